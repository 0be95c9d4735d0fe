#pragma once
// The screen definitions (.ui files) compiled in: one form per class of the
// catalogue, made from the same list (flow/screen_list.h) and in the same
// order, so that every class has exactly one. A form builds a new screen of
// its class with the definition laid out on it.
#include <span>

#include "flow/screen_catalogue.h"

namespace cgt {

class TChildForm;

struct ScreenForm {
    const char* className;  // as the catalogue names it
    // A new screen of the class for a screen number it serves; nullptr when
    // a screen made from rows has no row for the number.
    TChildForm* (*build)(const ScreenClass& cls, int screenNumber);
};

// Every form, in the order of ScreenClasses().
std::span<const ScreenForm> ScreenForms();
// The form of a class of the catalogue (one that ScreenClasses() holds).
const ScreenForm& FormOf(const ScreenClass& cls);

}  // namespace cgt
