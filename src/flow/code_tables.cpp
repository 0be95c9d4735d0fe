#include "flow/code_tables.h"

#include "store/tags.h"

namespace cgt {

namespace {

// Asset types.
constexpr const char* kSA = "SA - Active asset - Shares";
constexpr const char* kSN = "SN - Non-active asset - Shares";
constexpr const char* kUA = "UA - Active asset - Units in a unit trust";
constexpr const char* kUN = "UN - Non-active asset - Units in a unit trust";
constexpr const char* kOATrust = "OA - Active asset - Other trust";
constexpr const char* kONTrust = "ON - Non-active asset - Other trust";
constexpr const char* kOA = "OA - Active asset - Other asset or CGT event";
constexpr const char* kON = "ON - Non-active asset - Other asset or CGT event";
constexpr const char* kONEventScreen = "ON - Non-active asset - Other asset CGT event";
constexpr const char* kRA = "RA - Active asset - Real estate";
constexpr const char* kRN = "RN - Non-active asset - Real estate";
constexpr const char* kA = "A  - Collectables";
constexpr const char* kP = "P  - Personal use assets";
constexpr const char* kPHyphen = "P  - Personal-use assets";
constexpr const char* kPAsset = "P - Personal use asset";
constexpr const char* kGSale = "G  - Goodwill on sale of business";
constexpr const char* kG = "G  - Goodwill";

}  // namespace

ItemList AssetTypeItems(int worksheetType, TypeListScreen screen) {
    const bool event = screen == TypeListScreen::Event;
    switch (worksheetType) {
        case kWsShares: return {kSA, kSN};
        case kWsTrustInterest: return {kUA, kUN, kOATrust, kONTrust};
        case kWsOtherTrust:
        case kWsCreatedRights: return {kOA, kON};
        case kWsRealEstate: return {kRA, kRN};
        case kWsPersonalUse: return {kA, kP};
        case kWsOtherAssets: return {kGSale, kOA, event ? kONEventScreen : kON};
        case kWsDepreciating: return {kPAsset, kON};
        case kWsCeasingResidency: return {kUA, kUN, kSA, kSN, kRA, kRN, event ? kGSale : kG, kA, kPHyphen, kOA, kON};
        default: return {};
    }
}

std::optional<int> NonActiveItemIndex(int worksheetType) {
    switch (worksheetType) {
        case kWsShares:
        case kWsTrustInterest:
        case kWsOtherTrust:
        case kWsRealEstate:
        case kWsCreatedRights:
        case kWsDepreciating: return 1;
        case kWsOtherAssets: return 2;
        case kWsCeasingResidency: return 10;
        default: return std::nullopt;
    }
}

ItemList ReceiptTypeItems() {
    return {kOA, kONEventScreen};
}

const ItemList& AllEventItems() {
    static const ItemList items = {
        "A1 - Disposal of a CGT asset",
        "B1 - Use and enjoyment before title passes",
        "C1- Loss or destruction of a CGT asset",
        "C2 - Cancellation, surrender and similar endings",
        "C3 - End of an option to acquire shares and so\xA0on *Does not apply to individual taxpayers",
        "D1 - Creating contractual or other rights",
        "D2 - Granting an option",
        "D3 - Granting a right to income from mining",
        "E1 - Creating a trust over a CGT asset",
        "E2 - Transferring a CGT asset to a trust",
        "E3 - Converting a trust to a unit trust",
        "E4 - Capital payment for trust interest",
        "E5 - Beneficiary becoming entitled to a trust asset",
        "E6 - Disposal to a beneficiary to end an income right",
        "E7 - Disposal to a beneficiary to end capital interest",
        "E8 - Disposal by a beneficiary of capital interest",
        "E9 - Creating a trust over future property",
        "F1 - Granting a lease",
        "F2 - Granting a long term lease",
        "F3 - Lessor pays lessee to get lease changed",
        "F4 - Lessee receives payment for changing a lease",
        "F5 - Lessor receives payment for changing a lease",
        "G1 - Capital payment for shares",
        "G2 - Shifts in share values",
        "G3 - Liquidator declares shares worthless",
        "H1 - Forfeiture of a deposit",
        "H2 - Receipt for an event relating to a CGT asset",
        "I1 - Individual or company stops being a resident",
        "I2 - Trust stops being a resident trust *Does not apply to individual taxpayers",
        "J1 - Company stops being a member of a wholly owned group after a roll-over*Does not apply to individual "
        "taxpayers",
        "J2 - Change in status of a CGT asset that was a replacement asset in a roll-over under Subdivision 152-E",
        "J3 - A change happens in circumstances where a share in a company or an interest in a trust was a "
        "replacement asset in a roll-over under Subdivision 152-E",
        "K1 - Partial realisation of an intellectual property right",
        "K2 - Bankrupt pays an amount in relation to debt",
        "K3 - Asset passing to a tax-advantaged entity",
        "K4 - CGT asset starts being trading stock",
        "K5 - Special capital loss from a collectable that has fallen in market value",
        "K6 - Pre-CGT shares or trust interest",
    };
    return items;
}

ItemList EventItems(int worksheetType) {
    // The event screen's own wording, which differs from the definition's in places.
    constexpr const char* kA1 = "A1 - Disposal of a CGT asset";
    constexpr const char* kA1Assign = "A1 - disposal or assignment";
    constexpr const char* kB1 = "B1 - use and enjoyment before title passes";
    constexpr const char* kB1Hire = "B1 - use and enjoyment before title passes - hire purchase";
    constexpr const char* kC1 = "C1 - Loss or destruction of a CGT asset";
    constexpr const char* kC2 = "C2 - Cancellation, surrender and similar endings";
    constexpr const char* kC2Rights = "C2 - cancellation, surrender or a similar ending";
    constexpr const char* kC3 =
        "C3 - End of an option to acquire shares and so\xA0on *Does not apply to individual taxpayers";
    constexpr const char* kD1 = "D1 - creating contractual or other rights";
    constexpr const char* kD2 = "D2 - granting an option";
    constexpr const char* kD3 = "D3 - granting a right to income from mining";
    constexpr const char* kE1Shares = "E1 - Creating a trust over a CGT asset";
    constexpr const char* kE1 = "E1 - creating a trust over a CGT asset";
    constexpr const char* kE2Shares = "E2 - Transferring a CGT asset to a trust";
    constexpr const char* kE2 = "E2 - transferring a CGT asset to a trust";
    constexpr const char* kF1 = "F1 - granting a lease";
    constexpr const char* kF2 = "F2 - granting a long term lease";
    constexpr const char* kF3 = "F3 - lessor pays lessee to get lease changed";
    constexpr const char* kF5 = "F5 - lessor receives payment for changing a lease";
    constexpr const char* kG2 = "G2 - Shifts in share values";
    constexpr const char* kG3 = "G3 - Liquidator declares shares worthless";
    constexpr const char* kI1 = "I1 - individual or company stops being a resident";
    constexpr const char* kK3 = "K3 - Asset passing to a tax-advantaged entity";
    constexpr const char* kK3RealEstate = "K3 - asset passes to a tax-advantaged entity";
    constexpr const char* kK4 = "K4 - CGT asset starts being trading stock";
    constexpr const char* kK5 = "K5 - Special capital loss from a collectable that has fallen in market value";
    constexpr const char* kK6 = "K6 - Pre-CGT shares or trust interest";
    switch (worksheetType) {
        case kWsShares: return {kA1, kC2, kE1Shares, kE2Shares, kG2, kG3, kK4, kK6};
        case kWsTrustInterest: return {kA1, kC2, kE1Shares, kE2Shares, kK3, kK4, kK6};
        case kWsRealEstate: return {kA1, kB1, kC1, kE1, kE2, kK3RealEstate, kK4};
        case kWsPersonalUse: return {kA1, kB1, kC1, kK3, kK4, kK5};
        case kWsOtherAssets:
            return {kA1, kB1Hire, kC1, kC2, kC3, kD1, kD2, kD3, kE1, kE2, kF1, kF2, kF3, kF5, kK3, kK4};
        case kWsCreatedRights: return {kA1Assign, kB1Hire, kC1, kC2Rights, kC3, kD1, kD2, kD3, kK3, kK4};
        case kWsCeasingResidency: return {kI1};
        default: return AllEventItems();
    }
}

ItemList CostElementItems(int worksheetType) {
    constexpr const char* k1 = "1 - Purchase/Acquisition cost";
    constexpr const char* k1Original = "1 - Original Purchase";
    constexpr const char* k1D = "1D - Instalment payment";
    constexpr const char* k1DPurchase = "1D - Purchase by instalments";
    constexpr const char* k2AAmp = "2A - Incidentals re holding & acquisition";
    constexpr const char* k2A = "2A - Incidentals re holding and acquisition";
    constexpr const char* k2B = "2B - Incidentals re specific CGT event";
    constexpr const char* k3A = "3A - Non-capital costs of ownership";
    constexpr const char* k3B = "3B - Balancing charges";
    constexpr const char* k4 = "4 - Capital expenditure - increases value";
    constexpr const char* k4Increase = "4 - Capital expenditure - increase value";
    constexpr const char* k5 = "5 - Capital expenditure - maintain ownership";
    constexpr const char* k5Title = "5 - Capital expenditure - maintain title";
    constexpr const char* k6C = "6C - Adjustments to the cost base";
    constexpr const char* k6R = "6R - Adjustments to the reduced cost base";
    switch (worksheetType) {
        case kWsShares: return {k1, k1D, k2AAmp, k2B, k3A, k5};
        case kWsTrustInterest: return {k1, k1DPurchase, k2AAmp, k2B, k3A, k5};
        case kWsRealEstate:
        case kWsOtherAssets:
        case kWsDepreciating: return {k1, k2A, k2B, k3A, k3B, k4, k5, k6C, k6R};
        case kWsPersonalUse: return {k1, k2A, k2B, k4, k5};
        case kWsCreatedRights: return {k1Original, k2AAmp, k2B, k3A, k3B, k4Increase, k5Title, k6C, k6R};
        case kWsCeasingResidency:
            return {k1Original, k1DPurchase, k2AAmp, k2B, k3A, k3B, k4Increase, k5Title, k6C, k6R};
        default: return {k1, "1D - Instalments payment", k2AAmp, k2B, k3A, k3B, k4Increase, k5};
    }
}

int CostElementHelpTopic(std::string_view code) {
    static const struct {
        const char* code;
        int topic;
    } topics[] = {{"1", 21},  {"1D", 378}, {"2A", 22}, {"2B", 379}, {"3A", 23},
                  {"3B", 24}, {"4", 25},   {"5", 26},  {"6C", 380}, {"6R", 381}};
    for (const auto& t : topics)
        if (code == t.code) return t.topic;
    return 0;
}

RegistrationTexts RegistrationTextsFor(int worksheetType) {
    switch (worksheetType) {
        case kWsShares: return {"Shares in a company", 192};
        case kWsTrustInterest: return {"Trust interest", 194};
        case kWsOtherTrust: return {"Interest in a trust other than a unit trust", 194};
        case kWsRealEstate: return {"Real estate", 256};
        case kWsPersonalUse: return {"Personal use or collectable assets", 307};
        case kWsOtherAssets:
            return {"Intangible property, contractual rights, leases and any other asset not previously mentioned. ",
                    318};
        case kWsCreatedRights: return {"Rights you created in another entity", 318};
        case kWsDepreciating: return {"Depreciating Assets", 354};
        case kWsCeasingResidency: return {"Ceasing to be an Australian resident", 318};
        default: return {nullptr, 318};
    }
}

}  // namespace cgt
