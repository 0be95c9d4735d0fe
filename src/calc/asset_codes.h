#pragma once
// The asset type codes (kTagAssetType) and the cost element codes as the
// calculations read them: the trimmed first two characters of an item.
#include <span>
#include <string>
#include <string_view>

namespace cgt {

class FieldStore;

// The trimmed first two characters of a code ("P " -> "P", "2B - ..." -> "2B").
std::string CodeOf(std::string_view text);

// The asset type code of kTagAssetType.
std::string AssetTypeCode(FieldStore& store);

// What an asset type is: the class of the schedule's rows and of the
// calculation screens' "Shares/units" .. "Collectable" group (in that order).
enum class AssetKind { SharesUnits, RealEstate, Other, Collectable };

struct AssetTypeClass {
    const char* code;
    bool active;  // an active asset of a small business
    AssetKind kind;
    const char* manualSection;  // the manual calculation table's section of a row of this type
};

// Every asset type code: UA, UN, SA, SN, RA, RN, G, A, P, OA, ON.
std::span<const AssetTypeClass> AssetTypeClasses();
// The class of a code, or nullptr for a code that is none of them.
const AssetTypeClass* AssetTypeClassOf(std::string_view code);

// Active types: UA, SA, RA, G, OA.
bool IsActiveType(std::string_view code);
// Non-active types: UN, SN, RN, A, P, ON.
bool IsNonActiveType(std::string_view code);
// Collectables (A), which keep a loss pool of their own.
bool IsCollectableType(std::string_view code);

// The calculation screens' display-only radio groups: "Active" 0,
// "Non-active" 1; "Shares/units" 0, "Real estate" 1, "Other" 2,
// "Collectable" 3; -1 for none.
int ActiveChoiceOf(std::string_view code);
int TypeChoiceOf(std::string_view code);

}  // namespace cgt
