#include "interview/childform.h"

namespace cgt {

TChildForm::TChildForm(QWidget* parent) : QWidget(parent) {
    // No border or caption; the frame shows through where the screen draws nothing.
    setWindowFlags(Qt::Widget);
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    hide();
}

void TChildForm::Created(TInterviewFrame&) {}
void TChildForm::Shown(TInterviewFrame&) {}

}  // namespace cgt
