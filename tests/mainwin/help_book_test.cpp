// The help book: every topic a built screen names (its More button and the
// links in its texts) has a page, and every link between pages leads to one.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <memory>
#include <set>

#include "base/income_year.h"
#include "controls/textlbl.h"
#include "interview/childform.h"
#include "mainwin/helpwindow.h"
#include "mainwin_fixture.h"
#include "screens/screen_factory.h"

namespace cgt::test {
namespace {

// The jump identifiers of the links in a label's text.
std::set<int> LinkTopics(const TTextLbl& label) {
    std::set<int> topics;
    static const QRegularExpression tag(QStringLiteral("<([^>]*)>"));
    static const QRegularExpression jump(QStringLiteral("(?:^|;)J(\\d+)"));
    for (const QString& line : label.text()) {
        for (const auto& t : tag.globalMatch(line)) {
            for (const auto& j : jump.globalMatch(t.captured(1))) {
                const int id = j.captured(1).toInt();
                if (id > 0) topics.insert(id);
            }
        }
    }
    return topics;
}

TEST_F(MainWindowTest, EveryTopicOfEveryBuiltScreenHasAPage) {
    int screens = 0, links = 0;
    for (const ScreenDef& d : ScreenCatalogue()) {
        std::unique_ptr<TChildForm> screen(CreateScreen(d.number));
        if (!screen) continue;
        ++screens;
        EXPECT_TRUE(THelpWindow::HasTopic(kModuleHelpFile, screen->helpContext()))
            << d.number << " More topic " << screen->helpContext();
        for (TTextLbl* label : screen->findChildren<TTextLbl*>())
            for (int topic : LinkTopics(*label)) {
                ++links;
                EXPECT_TRUE(THelpWindow::HasTopic(kModuleHelpFile, topic)) << d.number << " links to " << topic;
            }
    }
    EXPECT_GT(screens, 3);
    EXPECT_GT(links, 0);
}

TEST_F(MainWindowTest, EveryLinkOfTheHelpBookLeadsToAPageReachableFromTheContents) {
    const QDir book(QStringLiteral(":/help/cgt2003"));
    const QStringList pages = book.entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_TRUE(pages.contains(QStringLiteral("index.html")));
    static const QRegularExpression href(QStringLiteral("href=\"([^\"#]+)"));
    std::set<QString> fromContents;
    for (const QString& page : pages) {
        QFile f(book.filePath(page));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << page.toStdString();
        const QString html = QString::fromUtf8(f.readAll());
        EXPECT_TRUE(html.contains(QStringLiteral("<h2>"))) << page.toStdString() << " has no title";
        for (const auto& m : href.globalMatch(html)) {
            const QString target = m.captured(1);
            EXPECT_TRUE(pages.contains(target)) << page.toStdString() << " -> " << target.toStdString();
            if (page == QStringLiteral("index.html")) fromContents.insert(target);
        }
    }
    for (const QString& page : pages) {
        if (page == QStringLiteral("index.html")) continue;
        EXPECT_TRUE(fromContents.count(page)) << page.toStdString() << " is not in the contents";
    }
}

}  // namespace
}  // namespace cgt::test
