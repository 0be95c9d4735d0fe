#include "screens/screen_forms.h"

#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>
#include <type_traits>

#include "interview/childform.h"
#include "screens/info_screen.h"
#include "screens/qcgt02_04.h"
#include "screens/qcgt02_05.h"
#include "screens/qcgt_08.h"
#include "screens/qcgt_11.h"
#include "screens/qcgt_12.h"
#include "screens/qcgt_18.h"
#include "screens/qcgt_18b.h"
#include "screens/qcgt_19.h"
#include "screens/qcgt_19a.h"
#include "screens/qcgt_20.h"
#include "screens/qcgt_20a.h"
#include "screens/qcgt_20b.h"
#include "screens/qcgt_36.h"
#include "screens/qcgt_36a.h"
#include "screens/qcgt_58.h"
#include "screens/qcgt_58a.h"
#include "screens/qcgt_59a.h"
#include "screens/qcgt_59b.h"
#include "screens/qcgt_62.h"
#include "screens/qcgt_64.h"
#include "screens/qcgt_65.h"
#include "screens/qcgt_66.h"
#include "screens/qcgt_67.h"
#include "screens/question_screen.h"
#include "screens/screen_factory.h"

// The definitions of the screens made from rows (a class of its own includes
// its definition in its header). A row of flow/screen_list.h without its
// header here does not compile.
#include "ui_qcgt_03a.h"
#include "ui_qcgt_08g.h"
#include "ui_qcgt_35.h"
#include "ui_qcgt_37.h"
#include "ui_qcgt_39.h"
#include "ui_qcgt_39a.h"
#include "ui_qcgt_40.h"
#include "ui_qcgt_41.h"
#include "ui_qcgt_42.h"
#include "ui_qcgt_43.h"
#include "ui_qcgt_43a.h"
#include "ui_qcgt_43b.h"
#include "ui_qcgt_44.h"
#include "ui_qcgt_45.h"
#include "ui_qcgt_45a.h"
#include "ui_qcgt_46.h"
#include "ui_qcgt_47.h"
#include "ui_qcgt_47a.h"
#include "ui_qcgt_48.h"
#include "ui_qcgt_49.h"
#include "ui_qcgt_49a.h"
#include "ui_qcgt_50.h"
#include "ui_qcgt_56.h"
#include "ui_qcgt_57.h"
#include "ui_qcgt_60.h"
#include "ui_qcgt_80.h"
#include "ui_qcgt_81.h"
#include "ui_qcgt_82.h"
#include "ui_qcgt_83.h"

namespace cgt {

namespace {

TChildForm* MakeFromRows(const ScreenClass& cls, int number) {
    const FlowRow* row = FindFlowRow(number);
    if (!row) return nullptr;
    switch (cls.family) {
        case ScreenFamily::Information: return new TInfoScreen(*row);
        case ScreenFamily::IntroductoryQuestion:
        case ScreenFamily::EventQuestion:
        case ScreenFamily::AnotherEventQuestion: return new TQuestionScreen(cls.family, *row);
        default: return nullptr;
    }
}

template <class Form>
TChildForm* BuildFromRows(const ScreenClass& cls, int number) {
    TChildForm* screen = MakeFromRows(cls, number);
    if (!screen) return nullptr;
    // The family's code looks up none of the controls, which belong to the
    // screen once laid out; the form itself need not be kept.
    Form form;
    form.setupUi(screen);
    return screen;
}

template <class Screen>
TChildForm* BuildOwn(const ScreenClass&, int) {
    return new Screen;
}

template <ScreenFamily family, class Form>
constexpr ScreenForm RowForm(const char* className) {
    static_assert(FamilyBuiltFromRows(family), "a screen of this family has a class of its own: CGT_OWN_SCREEN");
    return {className, &BuildFromRows<Form>};
}

template <ScreenFamily family, class Screen>
constexpr ScreenForm OwnForm(const char* className) {
    static_assert(!FamilyBuiltFromRows(family), "a screen of this family is made from its rows: CGT_ROW_SCREEN");
    static_assert(std::is_base_of_v<TChildForm, Screen>);
    return {className, &BuildOwn<Screen>};
}

constexpr ScreenForm kForms[] = {
#define CGT_ROW_SCREEN(cls, family, ...) RowForm<ScreenFamily::family, Ui::cls>(#cls),
#define CGT_OWN_SCREEN(cls, family, ...) OwnForm<ScreenFamily::family, cls>(#cls),
#include "flow/screen_list.h"
};

}  // namespace

std::span<const ScreenForm> ScreenForms() {
    return kForms;
}

const ScreenForm& FormOf(const ScreenClass& cls) {
    // The two tables are rows of one list, in one order: a class's form is
    // at its own index.
    const std::vector<ScreenClass>& classes = ScreenClasses();
    const std::less<const ScreenClass*> before;
    if (before(&cls, classes.data()) || !before(&cls, classes.data() + classes.size()))
        throw std::logic_error(std::string("screen class ") + cls.className + " is not in the catalogue");
    const ScreenForm& form = kForms[std::size_t(&cls - classes.data())];
    if (std::strcmp(form.className, cls.className) != 0)
        throw std::logic_error(std::string("screen class ") + cls.className + " has the form of " + form.className);
    return form;
}

}  // namespace cgt
