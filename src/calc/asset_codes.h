#pragma once
// The asset type codes (kTagAssetType) and the cost element codes as the
// calculations read them: the trimmed first two characters of an item.
#include <string>
#include <string_view>

namespace cgt {

class FieldStore;

// The trimmed first two characters of a code ("P " -> "P", "2B - ..." -> "2B").
std::string CodeOf(std::string_view text);

// The asset type code of kTagAssetType.
std::string AssetTypeCode(FieldStore& store);

// Active types: UA, SA, RA, G, OA.
bool IsActiveType(std::string_view code);
// Non-active types: UN, SN, RN, A, P, ON.
bool IsNonActiveType(std::string_view code);

// The calculation screens' display-only radio groups: "Active" 0,
// "Non-active" 1; "Shares/units" 0, "Real estate" 1, "Other" 2,
// "Collectable" 3; -1 for none.
int ActiveChoiceOf(std::string_view code);
int TypeChoiceOf(std::string_view code);

}  // namespace cgt
