#include "mainwin/printing_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "controls/control_context.h"
#include "report/txreport.h"

namespace cgt {

namespace {

// A printer with a sheet coming out: frame i shows the sheet i thirds out.
QPixmap PrinterFrame(int i) {
    QPixmap pixmap(48, 40);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(192, 192, 192));
    p.drawRoundedRect(QRectF(4, 14, 40, 16), 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(12, 4, 24, 10));
    const double out = 4.0 + 4.0 * (i + 1);
    p.drawRect(QRectF(12, 26, 24, out));
    p.setPen(QPen(QColor(128, 128, 128), 1));
    for (int line = 0; line < i + 1; ++line) p.drawLine(QPointF(15, 30 + 3 * line), QPointF(33, 30 + 3 * line));
    p.setBrush(QColor(0, 128, 0));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(38, 20), 1.8, 1.8);
    return pixmap;
}

}  // namespace

TFPrinting::TFPrinting(TXReport& report, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint), report_(report) {
    setObjectName(QStringLiteral("FPrinting"));
    setWindowTitle(QString::fromLatin1(kPrintingCaption));
    for (int i = 0; i < 3; ++i) frames_[std::size_t(i)] = PrinterFrame(i);
    image_ = new QLabel(this);
    image_->setObjectName(QStringLiteral("Image"));
    image_->setFixedSize(48, 40);
    label_ = new QLabel(QString::fromLatin1(kPrintingFirstPage), this);
    label_->setObjectName(QStringLiteral("PrintingLabel"));
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("CancelBtn"));
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(500);

    auto* row = new QHBoxLayout;
    row->addWidget(image_);
    row->addWidget(label_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(cancel_, 0, Qt::AlignHCenter);
    setFixedSize(260, 110);

    connect(timer_, &QTimer::timeout, this, GuardedSlot(this, [this] { Tick(); }));
    connect(cancel_, &QPushButton::clicked, this, GuardedSlot(this, [this] { report_.Abort(); }));
}

void TFPrinting::Tick() {
    frame_ = frame_ % 3 + 1;
    image_->setPixmap(frames_[std::size_t(frame_ - 1)]);
    image_->repaint();
    if (report_.PagePrinting() > 1)
        label_->setText(QString::fromLatin1(kPrintingPage) + QString::number(report_.PagePrinting()));
}

void TFPrinting::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    frame_ = 0;
    timer_->start();
    Tick();
}

// Closed, or put away with Escape: the animation stops either way.
void TFPrinting::hideEvent(QHideEvent* e) {
    timer_->stop();
    QDialog::hideEvent(e);
}

}  // namespace cgt
