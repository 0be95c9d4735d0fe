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

bool IsActiveType(std::string_view code) {
    return code == "UA" || code == "SA" || code == "RA" || code == "G" || code == "OA";
}

bool IsNonActiveType(std::string_view code) {
    return code == "UN" || code == "SN" || code == "RN" || code == "A" || code == "P" || code == "ON";
}

int ActiveChoiceOf(std::string_view code) {
    return IsActiveType(code) ? 0 : IsNonActiveType(code) ? 1 : -1;
}

int TypeChoiceOf(std::string_view code) {
    if (code == "UA" || code == "UN" || code == "SA" || code == "SN") return 0;
    if (code == "RA" || code == "RN") return 1;
    if (code == "G" || code == "P" || code == "OA" || code == "ON") return 2;
    if (code == "A") return 3;
    return -1;
}

}  // namespace cgt
