#pragma once
// The module's printouts: the stored scripts a user can print, by name.
#include <array>
#include <string_view>

namespace cgt {

struct Printout {
    const char* name;  // the script's resource name
    const char* what;
    // Printed for one asset worksheet (the summary screens' buttons).
    bool ofOneAsset;
};

inline constexpr const char* kWorksheetPrintout = "CGTWSHT";
inline constexpr const char* kAssetRegisterPrintout = "CGTASSET";
inline constexpr const char* kNonAssessablePrintout = "CGTNASS";
inline constexpr const char* kChoiceSummaryPrintout = "CGTCHOICE";
inline constexpr const char* kShortFormPrintout = "CGTDISEV";
inline constexpr const char* kSchedulePrintout = "SCHEDCGT";

inline constexpr std::array<Printout, 7> kPrintouts = {{
    {kWorksheetPrintout, "an asset's CGT worksheet", true},
    {kAssetRegisterPrintout, "its asset register", true},
    {kNonAssessablePrintout, "its non-assessable receipts worksheet", true},
    {kChoiceSummaryPrintout, "the choice table summary", false},
    {"CGTCHOICEOLD", "the choice table summary on one page", false},
    {kShortFormPrintout, "the short-form tables", false},
    {kSchedulePrintout, "the CGT schedule", false},
}};

// The page furniture of every page a band section opens (not a printout).
inline constexpr const char* kPageFurnitureScript = "PAGEFURNITURE";

inline const Printout* FindPrintout(std::string_view name) {
    for (const Printout& p : kPrintouts)
        if (name == p.name) return &p;
    return nullptr;
}

}  // namespace cgt
