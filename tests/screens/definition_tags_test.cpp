// The field tags of the screen definitions: every fieldTag a .ui file gives a
// control is one of the named tags of store/tags.h, so that a screen binds
// only fields the rest of the code knows by name.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QXmlStreamReader>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "flow/screen_catalogue.h"
#include "report/script_source.h"

namespace cgt::test {
namespace {

std::set<int> DeclaredTags() {
    std::ifstream in(CGT_TAGS_HEADER);
    std::stringstream s;
    s << in.rdbuf();
    std::set<int> tags;
    for (const auto& [name, tag] : ReadTagNames(s.str())) tags.insert(tag);
    return tags;
}

struct TagUse {
    std::string widget;
    std::string value;  // the property's value as written
    bool declared;
};

// Every fieldTag property of a definition, with the widget that carries it;
// a value that is not a whole number is never declared.
std::vector<TagUse> FieldTagsOf(const QByteArray& ui, const std::set<int>& declared, std::string& error) {
    std::vector<TagUse> uses;
    std::vector<std::string> widgets;
    QXmlStreamReader xml(ui);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("widget")) widgets.pop_back();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("widget")) {
            widgets.push_back(xml.attributes().value(QLatin1String("name")).toString().toStdString());
            continue;
        }
        if (xml.name() != QLatin1String("property") ||
            xml.attributes().value(QLatin1String("name")) != QLatin1String("fieldTag"))
            continue;
        TagUse use{widgets.empty() ? std::string("?") : widgets.back(), "", false};
        if (xml.readNextStartElement()) {
            const bool number = xml.name() == QLatin1String("number");
            const QString text = xml.readElementText();
            use.value =
                number ? text.toStdString() : "<" + xml.name().toString().toStdString() + ">" + text.toStdString();
            bool whole = false;
            const int tag = text.toInt(&whole);
            use.declared = number && whole && declared.contains(tag);
        }
        uses.push_back(use);
    }
    if (xml.hasError()) error = xml.errorString().toStdString();
    return uses;
}

TEST(DefinitionTags, TheReaderFindsEveryFieldTagAndJudgesItsValue) {
    const std::set<int> declared = {170, 920};
    const struct {
        const char* ui;
        std::vector<std::string> values;
        std::vector<bool> declared;
    } cases[] = {
        {R"(<ui><widget class="cgt::TChildForm" name="F">
              <widget class="cgt::TTaxEdit" name="A"><property name="fieldTag"><number>920</number></property></widget>
              <widget class="QCheckBox" name="B"><property name="fieldTag" stdset="0"><number>170</number></property></widget>
            </widget></ui>)",
         {"920", "170"},
         {true, true}},
        {R"(<ui><widget class="cgt::TChildForm" name="F">
              <widget class="cgt::TTaxEdit" name="A"><property name="fieldTag"><number>921</number></property></widget>
              <widget class="cgt::TTaxEdit" name="B"><property name="fieldTag"><string>920</string></property></widget>
              <widget class="QLabel" name="C"><property name="text"><string>920</string></property></widget>
            </widget></ui>)",
         {"921", "<string>920"},
         {false, false}},
        {R"(<ui><widget class="cgt::TChildForm" name="F"/></ui>)", {}, {}},
    };
    for (const auto& c : cases) {
        std::string error;
        const std::vector<TagUse> uses = FieldTagsOf(QByteArray(c.ui), declared, error);
        EXPECT_EQ(error, "") << c.ui;
        ASSERT_EQ(uses.size(), c.values.size()) << c.ui;
        for (std::size_t i = 0; i < uses.size(); ++i) {
            EXPECT_EQ(uses[i].value, c.values[i]) << c.ui;
            EXPECT_EQ(uses[i].declared, c.declared[i]) << uses[i].widget << " in " << c.ui;
            EXPECT_EQ(uses[i].widget, std::string(1, char('A' + i))) << c.ui;
        }
    }
}

TEST(DefinitionTags, EveryFieldTagOfTheScreenDefinitionsIsANamedTag) {
    const std::set<int> declared = DeclaredTags();
    ASSERT_FALSE(declared.empty()) << CGT_TAGS_HEADER << " names no tag";

    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(CGT_DEFINITIONS_DIR))
        if (entry.is_regular_file() && entry.path().extension() == ".ui") files.push_back(entry.path());
    std::sort(files.begin(), files.end());

    // The files read are the definitions compiled in: one for each class of
    // the catalogue, named after it.
    std::set<std::string> names;
    for (const auto& f : files) names.insert(f.filename().string());
    for (const ScreenClass& cls : ScreenClasses()) {
        std::string name = std::string(cls.className).substr(1) + ".ui";
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char ch) { return std::tolower(ch); });
        EXPECT_TRUE(names.contains(name)) << cls.className << " has no " << name;
    }

    int read = 0;
    for (const auto& path : files) {
        QFile file(QString::fromStdString(path.string()));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path;
        std::string error;
        for (const TagUse& use : FieldTagsOf(file.readAll(), declared, error)) {
            ++read;
            EXPECT_TRUE(use.declared) << path.filename().string() << ": " << use.widget << " has fieldTag " << use.value
                                      << ", which " << CGT_TAGS_HEADER << " does not name";
        }
        EXPECT_EQ(error, "") << path;
    }
    EXPECT_GT(read, 0);
}

}  // namespace
}  // namespace cgt::test
