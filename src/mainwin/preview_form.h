#pragma once
// "Preview": every printout is shown here first. The taxpayer pages, zooms,
// prints all pages or a list of them, or saves them as PDF. The form owns
// the laid-out report and lets it go when it closes.
#include <QDialog>
#include <QImage>
#include <functional>
#include <memory>
#include <optional>
#include <set>

class QLabel;
class QPrinter;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace cgt {

class Dialogs;
class TTaxEdit;
class TXReport;

inline constexpr const char* kPreviewCaption = "Preview";
inline constexpr const char* kNoPrinter = "Printer is not set. Cannot print.";
inline constexpr const char* kHintPrint = "Click this button to print your return";
inline constexpr const char* kHintAllPage = "Makes the current page fit inside the window";
inline constexpr const char* kHintPageWidth = "Makes the visible width of the current page fit inside the window";
inline constexpr const char* kHintFirst = "Display the first page";
inline constexpr const char* kHintPrev = "Display the previous page";
inline constexpr const char* kHintNext = "Display the next page";
inline constexpr const char* kHintLast = "Display the last page";
inline constexpr const char* kHintExit = "Close preview";
inline constexpr const char* kHintSavePdf = "Save the pages as a PDF file";
inline constexpr double kMinZoom = 0.5;
inline constexpr double kMaxZoom = 2.0;

// Set while a preview is open anywhere in the module.
bool IsPreviewOpen();

class TPreviewForm : public QDialog {
    Q_OBJECT
public:
    TPreviewForm(std::unique_ptr<TXReport> report, Dialogs& dialogs, QWidget* parent = nullptr);
    ~TPreviewForm() override;

    // Nothing once the preview has closed.
    TXReport* Report() const { return report_.get(); }
    double Zoom() const { return zoom_; }
    int CurrentPage() const { return page_; }
    bool Printing() const { return printing_; }
    QScrollArea* ScrollBox() const { return box_; }
    QLabel* Picture() const { return image_; }

    void ShowPage(int n);
    void FitWidth();
    void FitPage();
    // A click on the picture at `at` (picture coordinates): left zooms in,
    // right out, the point comes to the middle of the box.
    void ZoomAt(QPoint at, bool in);
    void PrintClick();
    void SavePdfClick();

    // Refused while printing; lets the report go.
    void done(int result) override;

    // Whether a printer is installed; tests replace it.
    std::function<bool()> hasPrinter;
    // The printer the pages go to; tests give one that writes a file.
    std::function<std::unique_ptr<QPrinter>()> makePrinter;
    // Asks for the PDF's name; empty when cancelled. Tests replace it.
    std::function<QString()> chooseFile;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Arrange();
    void SizePicture();
    void Redraw();
    void UpdatePageLabel();
    bool HandleKey(int key);
    // The pages chosen: all, or the typed list; nothing after a bad list
    // (its message shown).
    std::optional<std::set<int>> ChosenPages();
    double PixelsPerMm() const;
    bool Idle() const { return report_ && !printing_; }

    std::unique_ptr<TXReport> report_;
    Dialogs& dialogs_;
    QPushButton* print_;
    QRadioButton* all_;
    QRadioButton* pages_;
    TTaxEdit* pageList_;
    QLabel* maxPage_;
    QScrollArea* box_;
    QLabel* image_;
    QImage picture_;
    double zoom_ = 1.0;
    int page_ = 1;
    bool printing_ = false;
    bool arranged_ = false;
};

}  // namespace cgt
