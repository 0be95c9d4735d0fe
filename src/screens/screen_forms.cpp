#include "screens/screen_forms.h"

#include <map>

#include "interview/childform.h"
#include "ui_qcgt_39a.h"
#include "ui_qcgt_56.h"
#include "ui_qcgt_60.h"
#include "ui_qcgt_83.h"

namespace cgt {

namespace {

template <class Form>
void SetUp(TChildForm* screen) {
    Form form;  // the controls it creates belong to the screen
    form.setupUi(screen);
}

}  // namespace

FormSetup FindScreenForm(std::string_view className) {
    // One row per screen definition.
    static const std::map<std::string_view, FormSetup> forms = {
        {"TQCGT_39a", &SetUp<Ui::TQCGT_39a>},
        {"TQCGT_56", &SetUp<Ui::TQCGT_56>},
        {"TQCGT_60", &SetUp<Ui::TQCGT_60>},
        {"TQCGT_83", &SetUp<Ui::TQCGT_83>},
    };
    const auto it = forms.find(className);
    return it != forms.end() ? it->second : nullptr;
}

}  // namespace cgt
