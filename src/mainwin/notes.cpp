#include "mainwin/notes.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/cp1252.h"
#include "controls/qt_text.h"
#include "store/modulerun.h"

namespace cgt {

TNotesWindow::TNotesWindow(ModuleRun& run, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), run_(run) {
    setWindowTitle(QStringLiteral("Your Tax Return Notes"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(600, 350);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QWidget(this);
    auto* topLayout = new QHBoxLayout(top);
    auto* intro = new QLabel(QString::fromLatin1(kNotesIntro), top);
    intro->setWordWrap(true);
    close_ = new QPushButton(QStringLiteral("Close"), top);
    close_->setToolTip(QStringLiteral("Leave the notepad"));
    topLayout->addWidget(intro, 1);
    topLayout->addWidget(close_);
    box_ = new QPlainTextEdit(this);
    box_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(top);
    layout->addWidget(box_, 1);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    if (parent) {
        const QRect pg = parent->frameGeometry();
        move(pg.x() + (pg.width() - width()) / 2, pg.y() + (pg.height() - height()) / 2);
    }
}

void TNotesWindow::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FieldStore& store = run_.store();
    if (store.FieldType(kTagNotes) == dtList) {
        TextListPtr list = store.GetFieldLst(kTagNotes);
        if (!list) {
            list = std::make_shared<TextList>();
            store.SetFieldLst(kTagNotes, list);
        }
        QStringList lines;
        for (const std::string& l : *list) lines << ToQt(l);
        box_->setPlainText(lines.join(QLatin1Char('\n')));
    }
    box_->document()->setModified(false);
}

void TNotesWindow::StoreNotes() {
    if (stored_) return;
    stored_ = true;
    FieldStore& store = run_.store();
    if (box_->document()->isModified()) run_.SetDataChanged();
    if (store.FieldType(kTagNotes) != dtList) {
        store.SetFieldType(kTagNotes, dtList);
        store.SetFieldLst(kTagNotes, std::make_shared<TextList>());
    }
    TextListPtr list = store.GetFieldLst(kTagNotes);
    if (!list) {
        list = std::make_shared<TextList>();
        store.SetFieldLst(kTagNotes, list);
    }
    list->clear();
    const QString text = box_->toPlainText();
    if (!text.isEmpty())
        for (const QString& line : text.split(QLatin1Char('\n'))) list->push_back(FromQt(line));
}

void TNotesWindow::closeEvent(QCloseEvent* e) {
    StoreNotes();
    QDialog::closeEvent(e);
}

}  // namespace cgt
