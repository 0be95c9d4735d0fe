#pragma once
// How a question screen follows the window and how it reads: screens are
// drawn for a client area of 640 x 481; in a larger window the wide parts
// (grids, texts, panels) widen, the tallest grid grows taller, and what lies
// beside or below them moves along, while fonts keep their size. Tab walks
// the controls in reading order, and each control is named for a screen
// reader by its own text or by the text that labels it on the screen.
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

class QWidget;

namespace cgt {

// Resizes `screen` to `size`, moving and stretching its controls by the
// change from its present size (so a screen that moved a control itself
// keeps that move). Going back to the earlier size restores the layout.
void StretchScreen(QWidget* screen, QSize size);

// Hides `control` and closes the band it took up: what lies below it moves
// up, and a panel or group box it ended shrinks (and what lies below that
// moves up in turn). Nothing moves while another shown control shares the
// band.
void HideAndCloseUp(QWidget* control);

// The order in which a reader takes boxes laid out on a page: rows from the
// top (boxes whose tops lie within a few pixels of the row's first box share
// its row), each row from the left. Returns indices into `boxes`.
std::vector<int> ReadingOrder(const std::vector<QRect>& boxes);

// The controls a user reaches with Tab inside `screen`, in reading order:
// depth first through panels and group boxes, each level in reading order.
// Hidden and disabled controls are included (a screen shows them later).
std::vector<QWidget*> TabControls(const QWidget* screen);

// Chains Tab through TabControls(screen).
void ApplyReadingTabOrder(QWidget* screen);

// Gives every control of `screen` that has no accessible name one: a
// button's own text, otherwise the text of the label on its line to its
// left, or of the nearest label above it. An answer box with a text of its
// own ("Yes", "No") is described by the question on its line.
void NameControls(QWidget* screen);

// The text that labels `control` on its screen, as NameControls finds it
// (empty when none).
QString LabelTextFor(const QWidget* control);
// The question an answer box ("Yes", "No") answers: the text on its line
// left of the answers (empty for other controls).
QString QuestionFor(const QWidget* control);

}  // namespace cgt
