#pragma once
// The item lists the asset block screens offer, by worksheet type: asset
// types, CGT events and cost elements, with the texts as the lists show them
// (Windows-1252). A list field stores an item's leading code; the
// calculations read it back with CodeOf (calc/asset_codes.h).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cgt {

using ItemList = std::vector<std::string>;

// Where an asset type list is shown: a few items read differently on the
// event screen than on the registration screen.
enum class TypeListScreen { Registration, Event };

// The asset types offered for a worksheet type, in order (the first is
// preselected); empty for a type with no list of its own.
ItemList AssetTypeItems(int worksheetType, TypeListScreen screen = TypeListScreen::Registration);
// The item selected when a description is entered without a type.
std::optional<int> NonActiveItemIndex(int worksheetType);
// The asset types of the non-assessable receipt screens' hidden list: the
// receipts themselves are always entered as "ON".
ItemList ReceiptTypeItems();

// The CGT events the event screen offers for a worksheet type; every event
// of the screen definition for a type without a list of its own.
ItemList EventItems(int worksheetType);
// Every CGT event, as the event screen's definition lists them.
const ItemList& AllEventItems();

// The cost elements the cost element grid offers for a worksheet type.
ItemList CostElementItems(int worksheetType);
// The help topic of a cost element code ("1", "1D", "2A" ...); 0 for none.
int CostElementHelpTopic(std::string_view code);

// The fixed event of the non-assessable receipt screens.
inline constexpr const char* kCapitalPaymentForShares = "G1 - Capital payment for shares";
inline constexpr const char* kCapitalPaymentForTrustInterest = "E4 - Capital payment for trust interest";

// The registration screen's heading and help link by worksheet type.
struct RegistrationTexts {
    const char* heading;  // nullptr: the definition's text stays
    int linkTopic;
};
RegistrationTexts RegistrationTextsFor(int worksheetType);

}  // namespace cgt
