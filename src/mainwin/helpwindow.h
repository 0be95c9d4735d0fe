#pragma once
// The help window over the HTML help books compiled into the module:
// qrc:/help/<book>/index.html is a book's contents, <n>.html its topic n.
// A book is addressed by its help file name ("CGT2003.HLP" -> cgt2003).
#include <QUrl>
#include <QWidget>
#include <string>

class QTextBrowser;
class QPushButton;

namespace cgt {

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // True when the book has a page for the topic; otherwise the window says
    // so and offers the contents.
    bool ShowTopic(const std::string& helpFile, int context);
    bool ShowContents(const std::string& helpFile);
    QUrl CurrentPage() const { return current_; }
    QString PageText() const;

    static QString BookPath(const std::string& helpFile);
    static bool HasTopic(const std::string& helpFile, int context);

private:
    void Open(const QUrl& url);

    QTextBrowser* browser_;
    QPushButton* contents_;
    QUrl current_;
    std::string book_;
};

}  // namespace cgt
