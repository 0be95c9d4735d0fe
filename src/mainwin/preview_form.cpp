#include "mainwin/preview_form.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <cmath>

#include "base/dialogs.h"
#include "controls/numedit.h"
#include "controls/qt_text.h"
#include "mainwin/printing_dialog.h"
#include "report/page_list.h"
#include "report/txreport.h"

namespace cgt {

namespace {

bool g_previewOpen = false;

// The frame of every printout is 275 mm high.
constexpr double kFrameHeightMm = 275;

QPushButton* ToolButton(QWidget* parent, const char* name, const QString& text, const char* hint) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(QString::fromLatin1(hint));
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

bool IsPreviewOpen() {
    return g_previewOpen;
}

TPreviewForm::TPreviewForm(std::unique_ptr<TXReport> report, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowStaysOnTopHint), report_(std::move(report)), dialogs_(dialogs) {
    setObjectName(QStringLiteral("PreviewForm"));
    setWindowTitle(QString::fromLatin1(kPreviewCaption));
    g_previewOpen = true;
    setWindowState(Qt::WindowMaximized);

    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("ToolBar"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    print_ = ToolButton(bar, "btnPrint", QStringLiteral("Print"), kHintPrint);
    all_ = new QRadioButton(QStringLiteral("All"), bar);
    all_->setObjectName(QStringLiteral("AllBtn"));
    all_->setChecked(true);
    pages_ = new QRadioButton(QStringLiteral("Pages"), bar);
    pages_->setObjectName(QStringLiteral("PagesBtn"));
    pageList_ = new TTaxEdit(bar);
    pageList_->setObjectName(QStringLiteral("TaxEdit1"));
    pageList_->setFixedWidth(120);
    QPushButton* savePdf = ToolButton(bar, "btnSavePdf", QStringLiteral("Save as PDF"), kHintSavePdf);
    QPushButton* allPage = ToolButton(bar, "btnAllPage", QStringLiteral("Whole page"), kHintAllPage);
    QPushButton* pageWidth = ToolButton(bar, "btnPageWidth", QStringLiteral("Page width"), kHintPageWidth);
    QPushButton* first = ToolButton(bar, "btnFirst", QStringLiteral("|<"), kHintFirst);
    QPushButton* prev = ToolButton(bar, "btnPrev", QStringLiteral("<"), kHintPrev);
    QPushButton* next = ToolButton(bar, "btnNext", QStringLiteral(">"), kHintNext);
    QPushButton* last = ToolButton(bar, "btnLast", QStringLiteral(">|"), kHintLast);
    // Glyph buttons as narrow as their glyphs, so the bar fits a small screen.
    for (QPushButton* b : {first, prev, next, last}) b->setFixedWidth(36);
    maxPage_ = new QLabel(bar);
    maxPage_->setObjectName(QStringLiteral("MaxPage"));
    maxPage_->setMinimumWidth(70);
    maxPage_->setAlignment(Qt::AlignCenter);
    QPushButton* exit = ToolButton(bar, "BtnExit", QStringLiteral("Close"), kHintExit);
    for (QWidget* w : std::initializer_list<QWidget*>{print_, all_, pages_, pageList_, savePdf, allPage, pageWidth,
                                                      first, prev, maxPage_, next, last})
        row->addWidget(w);
    row->addStretch(1);
    row->addWidget(exit);

    box_ = new QScrollArea(this);
    box_->setObjectName(QStringLiteral("ScrollBox"));
    box_->setBackgroundRole(QPalette::Dark);
    box_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box_->setWidgetResizable(false);
    box_->setFocusPolicy(Qt::StrongFocus);
    image_ = new QLabel;
    image_->setObjectName(QStringLiteral("Image1"));
    image_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image_->setCursor(Qt::ArrowCursor);
    image_->installEventFilter(this);
    box_->installEventFilter(this);
    box_->setWidget(image_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(box_, 1);

    hasPrinter = [] { return !QPrinterInfo::availablePrinters().isEmpty(); };
    makePrinter = [] { return std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution); };
    chooseFile = [this] {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Save as PDF"), QString(),
                                            QStringLiteral("PDF files (*.pdf)"));
    };

    // Nothing answers once the report is gone, nor while pages go to the
    // printer: the engine is busy and only lets events through between pages.
    const auto guarded = [this](auto body) {
        return [this, body = std::move(body)] {
            if (Idle()) Guarded(dialogs_, body);
        };
    };
    connect(print_, &QPushButton::clicked, this, guarded([this] { PrintClick(); }));
    connect(savePdf, &QPushButton::clicked, this, guarded([this] { SavePdfClick(); }));
    connect(all_, &QRadioButton::clicked, this, guarded([this] { pageList_->clear(); }));
    connect(pageList_, &QLineEdit::textEdited, this, guarded([this] { pages_->setChecked(true); }));
    connect(allPage, &QPushButton::clicked, this, guarded([this] { FitPage(); }));
    connect(pageWidth, &QPushButton::clicked, this, guarded([this] { FitWidth(); }));
    connect(first, &QPushButton::clicked, this, guarded([this] { ShowPage(1); }));
    connect(prev, &QPushButton::clicked, this, guarded([this] { ShowPage(page_ - 1); }));
    connect(next, &QPushButton::clicked, this, guarded([this] { ShowPage(page_ + 1); }));
    connect(last, &QPushButton::clicked, this, guarded([this] { ShowPage(report_->PageCount()); }));
    connect(exit, &QPushButton::clicked, this, guarded([this] { close(); }));
}

TPreviewForm::~TPreviewForm() {
    g_previewOpen = false;
}

double TPreviewForm::PixelsPerMm() const {
    return logicalDpiX() / 25.4;
}

void TPreviewForm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!arranged_) {
        arranged_ = true;
        Arrange();
    }
}

// Margins, the fit factor, the zoom that fits the width, page 1.
void TPreviewForm::Arrange() {
    TXReport& r = *report_;
    const DeviceMetrics& m = r.Metrics();
    const bool landscape = r.Orientation == 1;
    r.SetLeftMargin(landscape ? 10 : 15);
    if (m.unprintableTop == 0) {
        r.SetTopMargin(0);
    } else {
        const int half = int(r.PageHeight() - (m.unprintableTop + m.unprintableBottom + kFrameHeightMm)) / 2;
        if (half > 0) {
            r.SetTopMargin(m.unprintableTop + half);
        } else {
            r.SetTopMargin(m.unprintableTop);
            r.fitFactor = landscape ? (r.PageWidth() - r.LeftMargin() - m.unprintableRight) / kFrameHeightMm
                                    : (r.PageHeight() - r.TopMargin() - m.unprintableBottom) / kFrameHeightMm;
        }
    }
    FitWidth();
    ShowPage(1);
}

void TPreviewForm::SizePicture() {
    const double ppm = PixelsPerMm();
    const int w = int(std::lround(report_->PageWidth() * ppm * zoom_));
    const int h = int(std::lround(report_->PageHeight() * ppm * zoom_));
    picture_ = QImage(std::max(1, w), std::max(1, h), QImage::Format_RGB32);
    picture_.fill(Qt::white);
    image_->resize(picture_.size());
    image_->setMinimumSize(picture_.size());
}

void TPreviewForm::Redraw() {
    if (report_->PageCount() > 0) {
        QPainter p(&picture_);
        report_->DrawPage(page_, p, false, zoom_);
        page_ = report_->CurrentPage();
    }
    image_->setPixmap(QPixmap::fromImage(picture_));
    UpdatePageLabel();
}

void TPreviewForm::UpdatePageLabel() {
    maxPage_->setText(QString::number(page_) + QStringLiteral(" of ") + QString::number(report_->PageCount()));
}

void TPreviewForm::ShowPage(int n) {
    page_ = std::clamp(n, 1, std::max(1, report_->PageCount()));
    Redraw();
}

void TPreviewForm::FitWidth() {
    // The box's own width: 30 pixels leave room for its vertical scroll bar.
    zoom_ = (box_->width() - 30) / (report_->PageWidth() * PixelsPerMm());
    SizePicture();
    Redraw();
    box_->horizontalScrollBar()->setValue(0);
    box_->verticalScrollBar()->setValue(0);
}

void TPreviewForm::FitPage() {
    const double ppm = PixelsPerMm();
    zoom_ = std::min((box_->height() - 12) / (report_->PageHeight() * ppm),
                     (box_->width() - 12) / (report_->PageWidth() * ppm));
    SizePicture();
    Redraw();
    box_->horizontalScrollBar()->setValue(0);
    box_->verticalScrollBar()->setValue(0);
}

void TPreviewForm::ZoomAt(QPoint at, bool in) {
    const QSize before = picture_.size();
    zoom_ = std::clamp(zoom_ * (in ? 1.2 : 0.8), kMinZoom, kMaxZoom);
    SizePicture();
    Redraw();
    // The clicked point to the middle of the box.
    const QSize after = picture_.size();
    const QSize view = box_->viewport()->size();
    const int x = int(double(after.width()) * at.x() / std::max(1, before.width()) - view.width() / 2.0);
    const int y = int(double(after.height()) * at.y() / std::max(1, before.height()) - view.height() / 2.0);
    box_->horizontalScrollBar()->setValue(x);
    box_->verticalScrollBar()->setValue(y);
}

bool TPreviewForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == image_ && event->type() == QEvent::MouseButtonPress) {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton || me->button() == Qt::RightButton) {
            const QPoint at = me->position().toPoint();
            const bool in = me->button() == Qt::LeftButton;
            if (Idle()) Guarded(dialogs_, [&] { ZoomAt(at, in); });
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && watched != pageList_ && Idle()) {
        if (HandleKey(static_cast<QKeyEvent*>(event)->key())) return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TPreviewForm::keyPressEvent(QKeyEvent* e) {
    if (Idle() && HandleKey(e->key())) return;
    QDialog::keyPressEvent(e);
}

bool TPreviewForm::HandleKey(int key) {
    QScrollBar* v = box_->verticalScrollBar();
    QScrollBar* h = box_->horizontalScrollBar();
    const int step = std::max(1, v->singleStep());
    const int pageStep = box_->viewport()->height() - step;
    switch (key) {
        case Qt::Key_PageUp:
            if (v->value() <= v->minimum() && page_ > 1) {
                ShowPage(page_ - 1);
                v->setValue(v->maximum());
            } else {
                v->setValue(v->value() - pageStep);
            }
            return true;
        case Qt::Key_PageDown:
            if (v->value() >= v->maximum() && page_ < report_->PageCount()) {
                ShowPage(page_ + 1);
                v->setValue(v->minimum());
            } else {
                v->setValue(v->value() + pageStep);
            }
            return true;
        case Qt::Key_Home: h->setValue(h->minimum()); return true;
        case Qt::Key_End: h->setValue(h->value() + box_->viewport()->width()); return true;
        case Qt::Key_Up: v->setValue(v->value() - step); return true;
        case Qt::Key_Down: v->setValue(v->value() + step); return true;
        default: return false;
    }
}

std::optional<std::set<int>> TPreviewForm::ChosenPages() {
    std::set<int> pages;
    if (pages_->isChecked()) {
        const PageList list = ParsePageList(FromQt(pageList_->text()));
        if (list.error) {
            dialogs_.Error(*list.error);
            return std::nullopt;
        }
        return list.pages;
    }
    for (int p = 1; p <= std::min(report_->PageCount(), kLastPrintablePage); ++p) pages.insert(p);
    return pages;
}

void TPreviewForm::PrintClick() {
    if (!hasPrinter()) {
        dialogs_.Inform(kNoPrinter);
        return;
    }
    // A bad list has had its message; no progress dialog for nothing.
    const std::optional<std::set<int>> pages = ChosenPages();
    if (!pages) return;
    TFPrinting progress(*report_, this);
    progress.show();
    printing_ = true;
    struct Done {
        TPreviewForm* form;
        TFPrinting& dialog;
        ~Done() {
            dialog.close();
            form->printing_ = false;
            form->report_->OnPagePrinted = nullptr;
        }
    } done{this, progress};
    if (pages->empty()) return;
    const std::unique_ptr<QPrinter> printer = makePrinter();
    printer->setDocName(QGuiApplication::applicationDisplayName() + QStringLiteral(" workpapers"));
    report_->OnPagePrinted = [] { QCoreApplication::processEvents(); };
    report_->Print(*pages, *printer);
}

void TPreviewForm::SavePdfClick() {
    const std::optional<std::set<int>> pages = ChosenPages();
    if (!pages || pages->empty()) return;
    const QString file = chooseFile();
    if (file.isEmpty()) return;
    std::string error;
    if (!report_->WritePdf(file, *pages, &error)) dialogs_.Error("Cannot save the pages as PDF: " + error + ".");
}

void TPreviewForm::closeEvent(QCloseEvent* e) {
    if (printing_) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

// Every way out (the Close button, the window's close, Escape) ends here.
void TPreviewForm::done(int result) {
    if (printing_) return;
    report_.reset();
    g_previewOpen = false;
    QDialog::done(result);
}

}  // namespace cgt
