#include "mainwin/helpwindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace cgt {

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Help"));
    resize(560, 480);
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    contents_ = new QPushButton(QStringLiteral("&Contents"), this);
    bar->addWidget(contents_);
    bar->addStretch(1);
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(false);
    layout->addLayout(bar);
    layout->addWidget(browser_, 1);
    connect(contents_, &QPushButton::clicked, this, [this] { ShowContents(book_); });
    connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.scheme() == QLatin1String("qrc") || url.isRelative())
            Open(url.isRelative() ? current_.resolved(url) : url);
    });
}

QString THelpWindow::BookPath(const std::string& helpFile) {
    QString book = QString::fromStdString(helpFile).toLower();
    if (book.endsWith(QLatin1String(".hlp"))) book.chop(4);
    return QStringLiteral(":/help/") + book + QLatin1Char('/');
}

bool THelpWindow::HasTopic(const std::string& helpFile, int context) {
    return QFile::exists(BookPath(helpFile) + QString::number(context) + QStringLiteral(".html"));
}

void THelpWindow::Open(const QUrl& url) {
    current_ = url;
    QFile f(QLatin1Char(':') + url.path());
    if (f.open(QIODevice::ReadOnly)) {
        browser_->setHtml(QString::fromUtf8(f.readAll()));
    }
    show();
    raise();
}

bool THelpWindow::ShowTopic(const std::string& helpFile, int context) {
    book_ = helpFile;
    if (!HasTopic(helpFile, context)) {
        current_ = QUrl();
        browser_->setHtml(QStringLiteral("<p>There is no help on topic %1 in %2.</p><p><a href=\"index.html\">"
                                         "Contents</a></p>")
                              .arg(context)
                              .arg(QString::fromStdString(helpFile)));
        current_ = QUrl(QStringLiteral("qrc") + BookPath(helpFile) + QStringLiteral("missing"));
        show();
        raise();
        return false;
    }
    Open(QUrl(QStringLiteral("qrc") + BookPath(helpFile) + QString::number(context) + QStringLiteral(".html")));
    return true;
}

bool THelpWindow::ShowContents(const std::string& helpFile) {
    book_ = helpFile;
    const QString path = BookPath(helpFile) + QStringLiteral("index.html");
    if (!QFile::exists(path)) return false;
    Open(QUrl(QStringLiteral("qrc") + path));
    return true;
}

QString THelpWindow::PageText() const {
    return browser_->toPlainText();
}

}  // namespace cgt
