// controls-gallery: renders the input controls in the states worth looking
// at and writes them as PNGs (docs/images by default). Runs offscreen.
//   controls-gallery [OUTPUT_DIR]
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QTest>
#include <QVBoxLayout>
#include <cstdio>

#include "base/clock.h"
#include "controls/numedit.h"
#include "controls/textlbl.h"
#include "controls/xgrid.h"
#include "controls/xgrid_inplace_edit.h"
#include "controls/xgrid_picklist.h"
#include "controls/xgrid_totals.h"
#include "support/scripted_dialogs.h"

namespace {

using namespace cgt;

// Stacks captioned pictures into one image.
QImage Compose(const std::vector<std::pair<QString, QImage>>& parts) {
    const int pad = 10;
    const QFont captionFont(QStringLiteral("Arial"), 9);
    const int captionH = QFontMetrics(captionFont).height() + 4;
    int w = 0;
    int h = pad;
    for (const auto& [caption, img] : parts) {
        w = std::max({w, img.width(), QFontMetrics(captionFont).horizontalAdvance(caption)});
        h += captionH + img.height() + pad;
    }
    QImage out(w + 2 * pad, h, QImage::Format_RGB32);
    out.fill(QColor(240, 240, 240));
    QPainter p(&out);
    p.setFont(captionFont);
    int y = pad;
    for (const auto& [caption, img] : parts) {
        p.setPen(QColor(60, 60, 60));
        p.drawText(pad, y + QFontMetrics(captionFont).ascent(), caption);
        y += captionH;
        p.drawImage(pad, y, img);
        y += img.height() + pad;
    }
    return out;
}

bool Save(const QImage& img, const QDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    if (!img.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

void Activate(QWidget& w) {
    w.show();
    QApplication::setActiveWindow(&w);
    if (!QTest::qWaitForWindowActive(&w)) std::fprintf(stderr, "window did not become active\n");
    QApplication::processEvents();
}

QImage LabelPicture() {
    QWidget window;
    window.resize(460, 170);
    QPalette pal = window.palette();
    pal.setColor(QPalette::Window, Qt::white);
    window.setPalette(pal);
    auto* label = new TTextLbl(&window);
    label->setObjectName("TextLbl1");
    label->setGeometry(8, 8, 444, 154);
    label->setColor(Qt::white);
    label->setBevelOuter(TTextLbl::bvLowered);
    label->setText({
        "<s1><T1;S11>Capital gains in the 2003 income year<.>",
        "<y4>You need to answer these questions if you sold or gave away",
        "an asset that you acquired after 19 September 1985.",
        "<y4><X0>\u2022<X14>Shares, units in a unit trust and real estate",
        "<X0>\u2022<X14>Collectables such as jewellery and art",
        "<X0><y4>For more information <C12;T4;J310>click here<.>.",
        ";",
        "<s2><T1;S11>Second section<.>",
        "<y4>Only one section of a label shows at a time; the screen",
        "chooses it through <T2>CurrentSection<.>.",
        "<y4>See also <C12;T4;G42>the asset screen<.>.",
    });
    Activate(window);
    const QImage first = window.grab().toImage();
    label->setCurrentSection(2);
    QApplication::processEvents();
    const QImage second = window.grab().toImage();
    return Compose({{"TTextLbl, CurrentSection 1: heading, bullets and a help link", first},
                    {"The same label, CurrentSection 2", second}});
}

QImage AmountPicture(test::ScriptedDialogs&) {
    QWidget window;
    window.resize(260, 70);
    auto* layout = new QVBoxLayout(&window);
    auto* amount = new TTaxEdit(&window);
    auto* other = new TTaxEdit(&window);
    layout->addWidget(amount);
    layout->addWidget(other);
    amount->setNumericType(TCustomNumEdit::ntCurrencyCnt);
    amount->setRavelleDataType(TCustomNumEdit::atDollarCents);
    amount->setMaxLength(9);
    amount->setFixedWidth(120);
    other->setFixedWidth(120);
    other->setChangeFocusColor(false);
    Activate(window);
    other->setFocus();
    amount->SetNumValue(12345.5L);
    QApplication::processEvents();
    const QImage unfocused = window.grab().toImage();
    amount->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    const QImage focused = window.grab().toImage();
    return Compose({{"Amount field (ntCurrencyCnt) not focused: 12345.50, right-aligned", unfocused},
                    {"The same field focused: formatting stripped, focus colour, caret at the start", focused}});
}

QImage MessageBoxPicture(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), QString::fromStdString(text), QMessageBox::Ok);
    box.show();
    QApplication::processEvents();
    return box.grab().toImage();
}

QImage DatePicture(test::ScriptedDialogs& dialogs) {
    QWidget window;
    window.resize(260, 70);
    auto* layout = new QVBoxLayout(&window);
    auto* date = new TTaxEdit(&window);
    auto* other = new TTaxEdit(&window);
    layout->addWidget(date);
    layout->addWidget(other);
    date->setNumericType(TCustomNumEdit::ntDate);
    date->setRavelleDataType(TCustomNumEdit::atDate8);
    date->setFixedWidth(120);
    other->setFixedWidth(120);
    other->setChangeFocusColor(false);
    Activate(window);
    date->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    dialogs.shown.clear();
    QTest::keyClicks(date, "31/02/2003");
    QTest::keyClick(date, Qt::Key_Tab);
    QApplication::processEvents();
    QApplication::processEvents();
    const QImage field = window.grab().toImage();
    const std::string message = dialogs.shown.empty() ? std::string("(no message)") : dialogs.shown.back().text;
    return Compose({{"Date field after typing 31/02/2003 and Tab: focus kept, text selected", field},
                    {"The error box it showed", MessageBoxPicture(message)}});
}

QImage GridPicture() {
    QWidget window;
    window.resize(640, 250);
    auto* grid = new TXGrid(&window);
    grid->setGeometry(10, 10, 610, 180);
    grid->setColCount(4);
    grid->setDisplay({
        "Description of expenditure|2|0|40|0|F|F|-1|||||-1|0|F|F|",
        "Date incurred|2|2|10|0|F|F||||||-1|0|F|F|",
        "Amount|1|1|10|0|F|F|2|F||||-1|0|F|F|",
        "Active asset\rcode|2|0|2|0|F|T|1||||5|1|3|UA  - Active asset - Units in a unit trust|"
        "SH  - Active asset - Shares in a company|RE  - Real estate|F|F|",
    });
    grid->setTitleLines(2);
    grid->setColWidths("230,100,100,130");
    grid->setRowCount(6);
    grid->Model().LoadFromList({"Purchase price", "15/08/2002", "120000.00", "RE", "Stamp duty", "15/08/2002",
                                "4350.00", "RE", "Legal fees", "20/08/2002", "1275.50", ""});
    auto* totals = new TXGridTotals(&window);
    totals->SetXGrid(grid);
    Activate(window);
    grid->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QApplication::processEvents();
    grid->MoveTo(3, 3);
    QTest::keyClick(grid->Editor(), Qt::Key_Down, Qt::AltModifier);
    QApplication::processEvents();
    QImage shot = window.grab().toImage();
    if (grid->PickListOpen()) {
        // The pick list is a popup window of its own: paint it where it stands.
        XGridPickList* list = grid->PickListPopup();
        const QPoint at = window.mapFromGlobal(list->mapToGlobal(QPoint(0, 0)));
        const QImage popup = list->grab().toImage();
        const int needH = std::max(shot.height(), at.y() + popup.height() + 4);
        const int needW = std::max(shot.width(), at.x() + popup.width() + 4);
        QImage bigger(needW, needH, QImage::Format_RGB32);
        bigger.fill(window.palette().color(QPalette::Window));
        QPainter p(&bigger);
        p.drawImage(0, 0, shot);
        p.drawImage(at, popup);
        p.setPen(Qt::black);
        p.drawRect(QRect(at, popup.size()).adjusted(0, 0, -1, -1));
        p.end();
        shot = bigger;
    }
    return Compose({{"TXGrid with the pick list of the code column open, and its totals strip", shot}});
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/images");
    QDir dir;
    if (!dir.mkpath(outDir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(outDir));
        return 1;
    }
    dir.setPath(outDir);
    test::ScriptedDialogs dialogs;
    FixedClock clock(2003, 1, 15);
    ControlContext context{&dialogs, &clock};
    InstallControlContext(&app, &context);

    bool ok = Save(LabelPicture(), dir, "markup-label.png");
    ok = Save(AmountPicture(dialogs), dir, "amount-field.png") && ok;
    ok = Save(DatePicture(dialogs), dir, "date-field-invalid.png") && ok;
    ok = Save(GridPicture(), dir, "entry-grid-picklist.png") && ok;
    InstallControlContext(&app, nullptr);
    return ok ? 0 : 1;
}
