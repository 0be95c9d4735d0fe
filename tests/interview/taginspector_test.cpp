// "Get Tag": reading and setting fields by tag.
#include "interview/taginspector.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "base/clock.h"
#include "controls/numedit.h"
#include "store/fieldstore.h"
#include "support/scripted_dialogs.h"

namespace cgt::test {

QApplication& App();

namespace {

class TagInspectorTest : public ::testing::Test {
protected:
    TagInspectorTest() : store(&dialogs), inspector((App(), store)) {}

    void Get(const std::string& tag) {
        inspector.TagBox()->SetTextValue(tag);
        inspector.GetClick();
    }
    void Set(const std::string& tag, const QString& value) {
        inspector.TagBox()->SetTextValue(tag);
        inspector.ValueBox()->setText(value);
        inspector.SetClick();
    }
    QString Value() const { return inspector.ValueBox()->text(); }

    ScriptedDialogs dialogs;
    FieldStore store;
    TTagInspector inspector;
};

TEST_F(TagInspectorTest, TagsOutsideTheStoreAreInvalid) {
    store.SetFieldVal(920, 5);
    for (const char* tag : {"2000", "0", ""}) {
        inspector.ValueBox()->setText(QStringLiteral("before"));
        Get(tag);
        EXPECT_EQ(Value(), QStringLiteral("Invalid Tag")) << tag;
        inspector.ValueBox()->setText(QStringLiteral("7"));
        Set(tag, QStringLiteral("7"));
        EXPECT_EQ(Value(), QStringLiteral("Invalid Tag")) << tag;
    }
    EXPECT_EQ(store.GetFieldVal(920), 5);
}

TEST_F(TagInspectorTest, GetShowsTheValueAndTypeOfEachKindOfSlot) {
    store.SetFieldVal(920, 1250.5L);
    store.SetFieldStr(923, "Smith and Jones Pty Ltd");
    store.SetFieldStr(924, "Smith");
    store.SetFieldLst(1215, std::make_shared<TextList>(TextList{"Smith Family Trust", "800"}));
    store.EmptyWorkingTags();
    store.SetFieldStr(710, "BHP");
    store.StoreInstance(451, 1);
    const struct {
        const char* tag;
        const char* type;
        const char* value;
    } cases[] = {
        {"920", "Currency", "1250.5"},
        {"923", "String", "Smith and Jones Pty Ltd"},
        {"924", "Small String", "Smith"},
        {"1215", "List", "Smith Family Trust"},
        {"1202", "Worksheet", "Worksheet exists"},
        {"500", "Undefined", "Unsupported Data Type"},
    };
    for (const auto& c : cases) {
        Get(c.tag);
        EXPECT_EQ(inspector.SelectedType(), QString::fromLatin1(c.type)) << c.tag;
        EXPECT_EQ(Value(), QString::fromLatin1(c.value)) << c.tag;
        EXPECT_FALSE(inspector.ValueBox()->isHidden()) << c.tag;
    }
    store.SetFieldType(1203, dtWorksheet);
    Get("1203");
    EXPECT_EQ(Value(), QStringLiteral("No Worksheets exist"));
}

TEST_F(TagInspectorTest, SetOnANumberThatIsNotANumberStoresZero) {
    store.SetFieldVal(920, 1250);
    Set("920", QStringLiteral("abc"));
    EXPECT_EQ(store.GetFieldVal(920), 0);
    Set("920", QStringLiteral("77.25"));
    EXPECT_EQ(store.GetFieldVal(920), 77.25L);
    store.SetFieldStr(923, "Smith");
    Set("923", QStringLiteral("Jones"));
    EXPECT_EQ(store.GetFieldStr(923), "Jones");
    // An empty slot is left alone.
    Set("924", QStringLiteral("12"));
    EXPECT_EQ(store.FieldType(924), dtNone);
}

TEST_F(TagInspectorTest, CheckBoxFieldsNeedAGetFirst) {
    store.SetFieldChecked(746);
    Set("746", QString());
    EXPECT_FALSE(inspector.ValueCheck()->isHidden());
    EXPECT_TRUE(store.FieldChecked(746));  // only revealed the check box

    inspector.ValueCheck()->setChecked(false);
    inspector.SetClick();
    EXPECT_FALSE(store.FieldChecked(746));

    Get("746");
    EXPECT_EQ(inspector.SelectedType(), QStringLiteral("CheckBox"));
    EXPECT_TRUE(inspector.ValueBox()->isHidden());
    EXPECT_FALSE(inspector.ValueCheck()->isChecked());
}

TEST_F(TagInspectorTest, TheWindowIsGetTagAndStaysOnTop) {
    EXPECT_EQ(inspector.windowTitle(), QStringLiteral("Get Tag"));
    EXPECT_TRUE(inspector.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(inspector.GetButton()->isDefault());
}

}  // namespace
}  // namespace cgt::test
