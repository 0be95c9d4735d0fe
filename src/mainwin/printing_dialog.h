#pragma once
// "Printing": shown while pages go to the printer, with a small animation,
// the page being printed and a Cancel button that stops the job between
// pages.
#include <QDialog>
#include <QPixmap>
#include <array>

class QLabel;
class QPushButton;
class QTimer;

namespace cgt {

class TXReport;

inline constexpr const char* kPrintingCaption = "Printing";
inline constexpr const char* kPrintingFirstPage = "Printing page 1";
inline constexpr const char* kPrintingPage = "Printing page ";

class TFPrinting : public QDialog {
    Q_OBJECT
public:
    TFPrinting(TXReport& report, QWidget* parent = nullptr);

    QLabel* PrintingLabel() const { return label_; }
    QPushButton* CancelBtn() const { return cancel_; }
    QTimer* Timer1() const { return timer_; }
    int Frame() const { return frame_; }
    // One step of the animation; the label follows the page being printed.
    void Tick();

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    TXReport& report_;
    std::array<QPixmap, 3> frames_;
    QLabel* image_;
    QLabel* label_;
    QPushButton* cancel_;
    QTimer* timer_;
    int frame_ = 0;
};

}  // namespace cgt
