#pragma once
// The per-keystroke rule of a grid cell, apart from any grid: what happens
// to one typed character given the column and the editor's current text.
#include <string>
#include <string_view>

#include "grid/column_spec.h"

namespace cgt {

struct TypedChar {
    bool accepted = false;
    char ch = 0;        // the character to insert (letter case applied)
    bool beep = false;  // a refused character beeps, except in a read-only column
};

// `hasSelection`: the editor has selected text that the character replaces.
TypedChar FilterTypedChar(const ColumnSpec& spec, std::string_view text, bool hasSelection, char ch);

// Letter case of Windows-1252 text (ASCII and the Latin-1 letters).
char ToUpperChar(char c);
char ToLowerChar(char c);
std::string FoldCase(std::string_view text);

}  // namespace cgt
