#pragma once
// The report scripts' colours, typefaces, brush and pen styles: each by its
// number in a record, the name the script source gives it and, for colours
// and typefaces, what draws it. Plain C++: the script compiler reads the
// names at build time without Qt.
#include <array>
#include <cstdint>

namespace cgt {

struct PaletteColour {
    const char* name;
    std::uint8_t red, green, blue;
};

// Colours 1 to 27. Button face (17) and window (18) stand for the system's
// colours: light grey and white.
inline constexpr std::array<PaletteColour, 27> kPaletteColours = {{
    {"black", 0, 0, 0},
    {"maroon", 128, 0, 0},
    {"green", 0, 128, 0},
    {"olive", 128, 128, 0},
    {"navy", 0, 0, 128},
    {"purple", 128, 0, 128},
    {"teal", 0, 128, 128},
    {"grey", 128, 128, 128},
    {"silver", 192, 192, 192},
    {"red", 255, 0, 0},
    {"lime", 0, 255, 0},
    {"blue", 0, 0, 255},
    {"fuchsia", 255, 0, 255},
    {"aqua", 0, 255, 255},
    {"white", 255, 255, 255},
    {"yellow", 255, 255, 0},
    {"button-face", 240, 240, 240},
    {"window", 255, 255, 255},
    {"cream", 255, 255, 217},
    {"pink", 255, 0, 108},
    {"pale-aqua", 191, 255, 255},
    {"sky-blue", 220, 244, 252},
    {"lavender", 191, 191, 255},
    {"orange", 255, 128, 0},
    {"rose", 214, 173, 173},
    {"mint", 191, 255, 191},
    {"text-black", 0, 0, 0},
}};

struct PaletteTypeface {
    const char* name;     // in the script source
    const char* family;   // as a text's markup names it
    const char* drawnBy;  // the Liberation face of the same metrics
};

// Typefaces 0 to 3.
inline constexpr std::array<PaletteTypeface, 4> kPaletteTypefaces = {{
    {"arial", "Arial", "Liberation Sans"},
    {"arial-narrow", "Arial Narrow", "Liberation Sans Narrow"},
    {"courier-new", "Courier New", "Liberation Mono"},
    {"times-new-roman", "Times New Roman", "Liberation Serif"},
}};

// Brush styles 0 to 7 and pen styles 0 to 6 by their source names.
inline constexpr std::array<const char*, 8> kBrushStyleNames = {
    "solid", "clear", "horizontal", "vertical", "forward-diagonal", "backward-diagonal", "cross", "diagonal-cross"};
inline constexpr std::array<const char*, 7> kPenStyleNames = {"solid",        "dash",  "dot",         "dash-dot",
                                                              "dash-dot-dot", "clear", "inside-frame"};

}  // namespace cgt
