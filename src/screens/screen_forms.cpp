#include "screens/screen_forms.h"

#include <map>

#include "interview/childform.h"
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
#include "ui_qcgt02_04.h"
#include "ui_qcgt02_05.h"
#include "ui_qcgt_03a.h"
#include "ui_qcgt_08.h"
#include "ui_qcgt_08g.h"
#include "ui_qcgt_11.h"
#include "ui_qcgt_12.h"
#include "ui_qcgt_18.h"
#include "ui_qcgt_18b.h"
#include "ui_qcgt_19.h"
#include "ui_qcgt_19a.h"
#include "ui_qcgt_20.h"
#include "ui_qcgt_20a.h"
#include "ui_qcgt_20b.h"
#include "ui_qcgt_35.h"
#include "ui_qcgt_36.h"
#include "ui_qcgt_36a.h"
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
#include "ui_qcgt_58.h"
#include "ui_qcgt_58a.h"
#include "ui_qcgt_59a.h"
#include "ui_qcgt_59b.h"
#include "ui_qcgt_60.h"
#include "ui_qcgt_62.h"
#include "ui_qcgt_64.h"
#include "ui_qcgt_65.h"
#include "ui_qcgt_66.h"
#include "ui_qcgt_67.h"
#include "ui_qcgt_80.h"
#include "ui_qcgt_81.h"
#include "ui_qcgt_82.h"
#include "ui_qcgt_83.h"

namespace cgt {

namespace {

template <class Form>
void SetUp(TChildForm* screen) {
    Form form;  // the controls it creates belong to the screen
    form.setupUi(screen);
}

template <class Screen>
TChildForm* Make() {
    return new Screen;
}

}  // namespace

const ScreenForm* FindScreenForm(std::string_view className) {
    // One row per screen definition: {class, {definition}} for a screen made
    // from its family's rows, {class, {definition, class}} for the others.
    static const std::map<std::string_view, ScreenForm> forms = {
        {"TQCGT_03a", {&SetUp<Ui::TQCGT_03a>}},
        {"TQCGT_08g", {&SetUp<Ui::TQCGT_08g>}},
        {"TQCGT_35", {&SetUp<Ui::TQCGT_35>}},
        {"TQCGT_37", {&SetUp<Ui::TQCGT_37>}},
        {"TQCGT_39", {&SetUp<Ui::TQCGT_39>}},
        {"TQCGT_39a", {&SetUp<Ui::TQCGT_39a>}},
        {"TQCGT_40", {&SetUp<Ui::TQCGT_40>}},
        {"TQCGT_41", {&SetUp<Ui::TQCGT_41>}},
        {"TQCGT_42", {&SetUp<Ui::TQCGT_42>}},
        {"TQCGT_43", {&SetUp<Ui::TQCGT_43>}},
        {"TQCGT_43a", {&SetUp<Ui::TQCGT_43a>}},
        {"TQCGT_43b", {&SetUp<Ui::TQCGT_43b>}},
        {"TQCGT_44", {&SetUp<Ui::TQCGT_44>}},
        {"TQCGT_45", {&SetUp<Ui::TQCGT_45>}},
        {"TQCGT_45a", {&SetUp<Ui::TQCGT_45a>}},
        {"TQCGT_46", {&SetUp<Ui::TQCGT_46>}},
        {"TQCGT_47", {&SetUp<Ui::TQCGT_47>}},
        {"TQCGT_47a", {&SetUp<Ui::TQCGT_47a>}},
        {"TQCGT_48", {&SetUp<Ui::TQCGT_48>}},
        {"TQCGT_49", {&SetUp<Ui::TQCGT_49>}},
        {"TQCGT_49a", {&SetUp<Ui::TQCGT_49a>}},
        {"TQCGT_50", {&SetUp<Ui::TQCGT_50>}},
        {"TQCGT_56", {&SetUp<Ui::TQCGT_56>}},
        {"TQCGT_57", {&SetUp<Ui::TQCGT_57>}},
        {"TQCGT_60", {&SetUp<Ui::TQCGT_60>}},
        {"TQCGT_80", {&SetUp<Ui::TQCGT_80>}},
        {"TQCGT_81", {&SetUp<Ui::TQCGT_81>}},
        {"TQCGT_82", {&SetUp<Ui::TQCGT_82>}},
        {"TQCGT_83", {&SetUp<Ui::TQCGT_83>}},
        {"TQCGT_08", {&SetUp<Ui::TQCGT_08>, &Make<TQCGT_08>}},
        {"TQCGT_19", {&SetUp<Ui::TQCGT_19>, &Make<TQCGT_19>}},
        {"TQCGT_19a", {&SetUp<Ui::TQCGT_19a>, &Make<TQCGT_19a>}},
        {"TQCGT_20", {&SetUp<Ui::TQCGT_20>, &Make<TQCGT_20>}},
        {"TQCGT_20a", {&SetUp<Ui::TQCGT_20a>, &Make<TQCGT_20a>}},
        {"TQCGT_20b", {&SetUp<Ui::TQCGT_20b>, &Make<TQCGT_20b>}},
        {"TQCGT_11", {&SetUp<Ui::TQCGT_11>, &Make<TQCGT_11>}},
        {"TQCGT_12", {&SetUp<Ui::TQCGT_12>, &Make<TQCGT_12>}},
        {"TQCGT_18", {&SetUp<Ui::TQCGT_18>, &Make<TQCGT_18>}},
        {"TQCGT_18b", {&SetUp<Ui::TQCGT_18b>, &Make<TQCGT_18b>}},
        {"TQCGT_36", {&SetUp<Ui::TQCGT_36>, &Make<TQCGT_36>}},
        {"TQCGT_36a", {&SetUp<Ui::TQCGT_36a>, &Make<TQCGT_36a>}},
        {"TQCGT_58", {&SetUp<Ui::TQCGT_58>, &Make<TQCGT_58>}},
        {"TQCGT_58A", {&SetUp<Ui::TQCGT_58A>, &Make<TQCGT_58A>}},
        {"TQCGT_59a", {&SetUp<Ui::TQCGT_59a>, &Make<TQCGT_59a>}},
        {"TQCGT_59b", {&SetUp<Ui::TQCGT_59b>, &Make<TQCGT_59b>}},
        {"TQCGT02_04", {&SetUp<Ui::TQCGT02_04>, &Make<TQCGT02_04>}},
        {"TQCGT02_05", {&SetUp<Ui::TQCGT02_05>, &Make<TQCGT02_05>}},
        {"TQCGT_62", {&SetUp<Ui::TQCGT_62>, &Make<TQCGT_62>}},
        {"TQCGT_64", {&SetUp<Ui::TQCGT_64>, &Make<TQCGT_64>}},
        {"TQCGT_65", {&SetUp<Ui::TQCGT_65>, &Make<TQCGT_65>}},
        {"TQCGT_66", {&SetUp<Ui::TQCGT_66>, &Make<TQCGT_66>}},
        {"TQCGT_67", {&SetUp<Ui::TQCGT_67>, &Make<TQCGT_67>}},
    };
    const auto it = forms.find(className);
    return it != forms.end() ? &it->second : nullptr;
}

}  // namespace cgt
