#include "calc/asset_codes.h"

#include "base/text.h"
#include "store/fieldstore.h"
#include "store/tags.h"

namespace cgt {

std::string CodeOf(std::string_view text) {
    return Trim(text.substr(0, std::min<std::size_t>(text.size(), 2)));
}

std::string AssetTypeCode(FieldStore& store) {
    return CodeOf(Trim(store.FieldAsText(kTagAssetType)));
}

namespace {

constexpr AssetTypeClass kAssetTypeClasses[] = {
    {"UA", true, AssetKind::SharesUnits, "Fixed trust"}, {"UN", false, AssetKind::SharesUnits, "Fixed trust"},
    {"SA", true, AssetKind::SharesUnits, "Shares"},      {"SN", false, AssetKind::SharesUnits, "Shares"},
    {"RA", true, AssetKind::RealEstate, "Real estate"},  {"RN", false, AssetKind::RealEstate, "Real estate"},
    {"G", true, AssetKind::Other, "Intellectual"},       {"A", false, AssetKind::Collectable, "Personal use"},
    {"P", false, AssetKind::Other, "Personal use"},      {"OA", true, AssetKind::Other, "Other assets"},
    {"ON", false, AssetKind::Other, "Other assets"},
};

}  // namespace

std::span<const AssetTypeClass> AssetTypeClasses() {
    return kAssetTypeClasses;
}

const AssetTypeClass* AssetTypeClassOf(std::string_view code) {
    for (const AssetTypeClass& c : kAssetTypeClasses)
        if (code == c.code) return &c;
    return nullptr;
}

bool IsActiveType(std::string_view code) {
    const AssetTypeClass* c = AssetTypeClassOf(code);
    return c && c->active;
}

bool IsNonActiveType(std::string_view code) {
    const AssetTypeClass* c = AssetTypeClassOf(code);
    return c && !c->active;
}

bool IsCollectableType(std::string_view code) {
    const AssetTypeClass* c = AssetTypeClassOf(code);
    return c && c->kind == AssetKind::Collectable;
}

int ActiveChoiceOf(std::string_view code) {
    const AssetTypeClass* c = AssetTypeClassOf(code);
    return !c ? -1 : c->active ? 0 : 1;
}

int TypeChoiceOf(std::string_view code) {
    const AssetTypeClass* c = AssetTypeClassOf(code);
    return c ? int(c->kind) : -1;
}

}  // namespace cgt
