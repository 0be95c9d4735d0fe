#pragma once
// The names of the field tags the code uses, grouped by what holds them.
// .ui files keep their fieldTag numbers; everything else uses these names.
#include "store/datatype.h"

namespace cgt {

// --- worksheet types: each asset kind (and the CGT schedule) is a worksheet
// type whose instances live as a list in field type + kWorksheetTagOffset.
enum WorksheetType : int {
    kWsShares = 451,
    kWsTrustInterest = 452,
    kWsOtherTrust = 453,
    kWsRealEstate = 454,
    kWsPersonalUse = 455,
    kWsOtherAssets = 456,
    kWsCreatedRights = 457,
    kWsDepreciating = 458,
    kWsStatusChange = 459,
    kWsBankruptPayment = 460,
    kWsCeasingResidency = 461,
    kWsOtherReceipts = 462,
    kWsSchedule = 469,
};
inline constexpr int kFirstAssetType = kWsShares;
inline constexpr int kLastAssetType = kWsOtherReceipts;
// Only shares and trust units carry non-assessable receipts, and so a
// non-assessable receipts worksheet.
constexpr bool CarriesNonAssessableReceipts(int worksheetType) {
    return worksheetType == kWsShares || worksheetType == kWsTrustInterest;
}

// The field that holds the worksheet list of a type.
constexpr int ListFieldOf(int worksheetType) {
    return worksheetType + kWorksheetTagOffset;
}

// --- return fields
inline constexpr int kTagIdentity = 1;                // identity text given by the host; keys the file cipher
inline constexpr int kTagTotalGains = 169;            // total current year capital gains
inline constexpr int kTagGainsExist = 170;            // check box: some capital gain or loss source exists
inline constexpr int kTagNoGains = 171;               // check box: none exists (the pair's No)
inline constexpr int kTagNetCapitalGain = 174;        // net capital gain
inline constexpr int kTagLossesCarriedForward = 175;  // net capital losses carried forward
inline constexpr int kTagHostField382 = 382;     // a field of the host's return data (its meaning unknown; not printed)
inline constexpr int kTagPrintDate = 396;        // the date printed on a worksheet printout (host's return data)
inline constexpr int kTagTaxpayerName = 397;     // taxpayer's name (host's return data)
inline constexpr int kTagNotes = 399;            // the user's notes, a text list
inline constexpr int kTagProgress = 588;         // highest interview stage reached
inline constexpr int kTagConcessionGains = 801;  // active-asset net gains handed to the concession screens
inline constexpr int kTagFifteenYearGrid = 802;  // the 15-year exemption grid
inline constexpr int kTagChoiceGrid = 803;       // the capital gains choice table as shown
inline constexpr int kTagPriorCollectableLosses = 920;  // unapplied collectable losses of earlier years
inline constexpr int kTagPriorOtherLosses = 921;        // other unapplied capital losses of earlier years
inline constexpr int kTagFileVersion = 960;             // written by every save
inline constexpr int kTagLossTotal = 983;               // total of the choice table's Loss column
inline constexpr int kTagTransferredInLosses = 1065;    // capital losses transferred in
inline constexpr int kTagManualTable = 1201;            // manual calculation table
inline constexpr int kTagTrustTable = 1215;             // trust distribution table
inline constexpr int kTagFileKind = 1300;               // written by every save
// A lodged return: its details, and the markers the store and the file writer test.
inline constexpr int kTagLodgedFileMarker = 1453;
inline constexpr int kTagLodgeDate = 1478;
inline constexpr int kTagLodgeReference = 1479;
inline constexpr int kTagLodgeTime = 1490;
inline constexpr int kTagLodgeMarker = 1491;

// Return check boxes kept as pairs of which exactly one is checked: checking
// one unchecks its partner.
struct CheckBoxPair {
    int first, second;
};
inline constexpr CheckBoxPair kPairedCheckBoxes[] = {
    {9, 10}, {17, 18}, {19, 20}, {33, 34}, {132, 133}, {134, 135}, {136, 137}, {138, 139}, {140, 141}, {142, 143},
};

// --- working tags: the worksheet instance being edited is unpacked into
// these two ranges, and the screens bind their controls to them.
inline constexpr int kFirstLowWorkingTag = 710;
inline constexpr int kLastLowWorkingTag = 749;
inline constexpr int kFirstHighWorkingTag = 1100;
inline constexpr int kLastHighWorkingTag = 1199;
inline constexpr int kTagInstanceName = 710;

// --- asset worksheets (types 451-462), in the working tags.
// Answers of the asset's question screens:
inline constexpr int kTagAssetDescription = kTagInstanceName;
inline constexpr int kTagTaxableUsePercent = 711;  // depreciating asset
inline constexpr int kTagSumOfReductions = 712;    // depreciating asset
inline constexpr int kTagTotalDecline = 713;       // depreciating asset
inline constexpr int kTagAssetType = 714;          // two-character asset type code
inline constexpr int kTagDepreciatingCost = 715;   // cost of a depreciating asset
inline constexpr int kTagElections = 719;          // small business concessions elected: a list of four texts
inline constexpr int kTagRollOverYes = 720;        // the gain or loss is eligible for roll-over
inline constexpr int kTagRollOverNo = 721;
inline constexpr int kTagMarriageBreakdownYes = 722;  // the roll-over results from marriage breakdown
inline constexpr int kTagMarriageBreakdownNo = 723;
inline constexpr int kTagScripRollover = 724;  // the roll-over is a scrip for scrip roll-over
inline constexpr int kTagScripRolloverNo = 725;
inline constexpr int kTagAcquisitionDate = 726;
inline constexpr int kTagAcquiredAfter1145am = 727;      // acquired on 21/09/1999 after 11.45am
inline constexpr int kTagAcquiredBefore1145am = 728;     // acquired on 21/09/1999 not after 11.45am
inline constexpr int kTagCostBaseDate = 729;             // date of the cost base calculation
inline constexpr int kTagRollOverAcquisitionDate = 730;  // when the asset it replaced was acquired
inline constexpr int kTagInherited = 731;                // passed to you from a deceased estate: 1 Yes, 2 No
inline constexpr int kTagRollOverAcquiredAfter1145am = 732;
inline constexpr int kTagRollOverAcquiredBefore1145am = 733;
inline constexpr int kTagEnteredIndexedCostBase = 734;     // cost element 1A
inline constexpr int kTagEnteredNonIndexedCostBase = 735;  // cost element 1B
inline constexpr int kTagEnteredReducedCostBase = 736;     // cost element 1C
inline constexpr int kTagCostElements = 737;               // cost element list: rows of calc/cost_elements.h
inline constexpr int kTagReceipts = 738;                   // non-assessable receipts list
inline constexpr int kTagEventDate = 739;
inline constexpr int kTagEventAfter1145am = 740;   // the CGT event on 21/09/1999 was after 11.45am
inline constexpr int kTagEventBefore1145am = 741;  // the CGT event on 21/09/1999 was not after 11.45am
inline constexpr int kTagCapitalProceeds = 742;    // the termination value of a depreciating asset
inline constexpr int kTagPercentDisposed = 743;
inline constexpr int kTagDaysNotExempt = 744;            // main residence
inline constexpr int kTagTotalDays = 745;                // main residence
inline constexpr int kTagFifteenYearExemption = 746;     // qualifies for the 15-year active asset exemption
inline constexpr int kTagReceiptEventCode = 748;         // CGT event code of the receipts
inline constexpr int kTagEventCode = 1100;               // two-character CGT event code
inline constexpr int kTagReceiptAssetType = 1150;        // asset type of the receipts: always "ON"
inline constexpr int kTagLossesApplied = 1129;           // losses applied per gain component, a list of 34
inline constexpr int kTagMethodChosen = 1145;            // the choice table's method choice
inline constexpr int kTagScripMarketValue = 1146;        // market value of the replacement interests
inline constexpr int kTagScripCash = 1147;               // cash and other consideration
inline constexpr int kTagDeferChosen = 1148;             // the choice table's "Do you want to defer?"
inline constexpr int kTagReceiptMethodChosen = 1163;     // the method choice of the non-assessable receipts row
inline constexpr int kTagTrustComponentsPresent = 1170;  // check box: the trust gain components below are kept
inline constexpr int kTagFirstTrustComponent = 1183;     // trust gain components A1 .. A9
inline constexpr int kTagLastTrustComponent = 1191;

// Results of the asset worksheet (summary screen):
inline constexpr int kTagBaseDate = 1101;
inline constexpr int kTagRegisterGrid = 1102;
inline constexpr int kTagWorksheetGrid = 1105;
inline constexpr int kTagWorksheetTotalNonIndexed = 1106;  // worksheet column totals
inline constexpr int kTagWorksheetTotalIndexed = 1107;
inline constexpr int kTagWorksheetTotalReduced = 1108;
inline constexpr int kTagBalancingNonIndexed = 1109;  // balancing adjustments
inline constexpr int kTagBalancingIndexed = 1110;
inline constexpr int kTagBalancingReduced = 1111;
inline constexpr int kTagCostBaseNonIndexed = 1112;
inline constexpr int kTagCostBaseIndexed = 1113;
inline constexpr int kTagReducedCostBase = 1114;
inline constexpr int kTagNonAssessableNonIndexed = 1115;  // non-assessable distribution adjustments
inline constexpr int kTagNonAssessableIndexed = 1116;
inline constexpr int kTagNonAssessableReduced = 1117;
inline constexpr int kTagAdjustedNonIndexed = 1118;  // adjusted cost bases
inline constexpr int kTagAdjustedIndexed = 1119;
inline constexpr int kTagAdjustedReduced = 1120;
// 1109-1120: the balancing adjustments through the adjusted cost bases.
inline constexpr int kTagFirstCostBaseBox = kTagBalancingNonIndexed;
inline constexpr int kTagLastCostBaseBox = kTagAdjustedReduced;
inline constexpr int kTagEventDateBox = 1121;
inline constexpr int kTagEventCPI = 1122;
inline constexpr int kTagProceedsBox = 1123;
inline constexpr int kTagPercentDisposedBox = 1124;
inline constexpr int kTagDaysNotExemptBox = 1125;
inline constexpr int kTagTotalDaysBox = 1126;
// Columns of the gains and the loss: capital proceeds, cost base, result.
inline constexpr int kTagIndexedProceeds = 1130;
inline constexpr int kTagIndexedCostBase = 1131;
inline constexpr int kTagIndexedGain = 1132;
inline constexpr int kTagDiscountProceeds = 1133;
inline constexpr int kTagDiscountCostBase = 1134;
inline constexpr int kTagDiscountGain = 1135;
inline constexpr int kTagOtherProceeds = 1136;
inline constexpr int kTagOtherCostBase = 1137;
inline constexpr int kTagOtherGain = 1138;
inline constexpr int kTagLossCostBase = 1139;  // reduced cost base
inline constexpr int kTagLossProceeds = 1140;
inline constexpr int kTagCapitalLoss = 1141;
inline constexpr int kTagResultMessage1 = 1142;
inline constexpr int kTagResultMessage2 = 1143;
inline constexpr int kTagHasProceeds = 1196;  // check box: a CGT event with capital proceeds above 0

// The depreciating-asset worksheet's own boxes, per column.
inline constexpr int kTagDepCostIndexed = 716;
inline constexpr int kTagDepCostDiscount = 717;
inline constexpr int kTagDepCostOther = 718;
inline constexpr int kTagDepCostLoss = 747;
inline constexpr int kTagDepBeforeIndexed = 749;  // gain or loss before scaling
inline constexpr int kTagDepBeforeDiscount = 1127;
inline constexpr int kTagDepBeforeOther = 1128;
inline constexpr int kTagDepBeforeLoss = 1144;
inline constexpr int kTagDepFractionIndexed = 1149;  // taxable use fraction
inline constexpr int kTagDepFractionDiscount = 1161;
inline constexpr int kTagDepFractionOther = 1162;
inline constexpr int kTagDepFractionLoss = 1165;
inline constexpr int kTagDepReductionsIndexed = 1166;  // sum of reductions / total decline
inline constexpr int kTagDepReductionsDiscount = 1167;
inline constexpr int kTagDepReductionsOther = 1168;
inline constexpr int kTagDepReductionsLoss = 1169;
inline constexpr int kTagDepAdjustedIndexed = 1171;  // adjusted gain or loss
inline constexpr int kTagDepAdjustedDiscount = 1172;
inline constexpr int kTagDepAdjustedOther = 1193;
inline constexpr int kTagDepAdjustedLoss = 1194;

// Results of the cost base history (shares and trust interests):
inline constexpr int kTagHistoryDate = 1151;  // date of the adjusted cost base
inline constexpr int kTagHistoryNonIndexed = 1152;
inline constexpr int kTagHistoryIndexed = 1153;
inline constexpr int kTagHistoryReduced = 1154;
inline constexpr int kTagReceiptGainDiscountCurrent = 1155;  // gains from receipts: current / prior years
inline constexpr int kTagReceiptGainDiscountPrior = 1156;
inline constexpr int kTagReceiptGainIndexedCurrent = 1157;
inline constexpr int kTagReceiptGainIndexedPrior = 1158;
inline constexpr int kTagReceiptGainOtherCurrent = 1159;
inline constexpr int kTagReceiptGainOtherPrior = 1160;
inline constexpr int kTagFirstReceiptGain = kTagReceiptGainDiscountCurrent;
inline constexpr int kTagLastReceiptGain = kTagReceiptGainOtherPrior;
// The history's summary boxes: its date, the adjusted cost bases and the gains.
inline constexpr int kTagFirstHistoryResult = kTagHistoryDate;
inline constexpr int kTagLastHistoryResult = kTagLastReceiptGain;
inline constexpr int kTagReceiptGainThisYear = 1198;  // check box: a receipt gain of the current year arose
inline constexpr int kTagHistoryGrid = 1199;

// --- the CGT schedule: worksheet 1 of type 469, in the working tags. Each
// three-column row holds its indexation, discount and other amounts in three
// consecutive tags, so a row's Indexed tag + k is its column k. The part,
// letter, column and row of each box are in one table, calc/schedule_boxes.h.
inline constexpr int kTagSchedTitle = kTagInstanceName;
// Part A
inline constexpr int kTagSchedSharesNonActiveIndexed = 711;
inline constexpr int kTagSchedSharesNonActiveDiscount = 712;
inline constexpr int kTagSchedSharesNonActiveOther = 713;
inline constexpr int kTagSchedRealEstateNonActiveIndexed = 714;
inline constexpr int kTagSchedRealEstateNonActiveDiscount = 715;
inline constexpr int kTagSchedRealEstateNonActiveOther = 716;
inline constexpr int kTagSchedOtherNonActiveIndexed = 717;
inline constexpr int kTagSchedOtherNonActiveDiscount = 718;
inline constexpr int kTagSchedOtherNonActiveOther = 719;
inline constexpr int kTagSchedCollectablesIndexed = 720;  // after collectable losses
inline constexpr int kTagSchedCollectablesDiscount = 721;
inline constexpr int kTagSchedCollectablesOther = 722;
inline constexpr int kTagSchedSharesActiveIndexed = 723;
inline constexpr int kTagSchedSharesActiveDiscount = 724;
inline constexpr int kTagSchedSharesActiveOther = 725;
inline constexpr int kTagSchedRealEstateActiveIndexed = 726;
inline constexpr int kTagSchedRealEstateActiveDiscount = 727;
inline constexpr int kTagSchedRealEstateActiveOther = 728;
inline constexpr int kTagSchedOtherActiveIndexed = 729;
inline constexpr int kTagSchedOtherActiveDiscount = 730;
inline constexpr int kTagSchedOtherActiveOther = 731;
inline constexpr int kTagSchedTotalGainsIndexed = 732;
inline constexpr int kTagSchedTotalGainsDiscount = 733;
inline constexpr int kTagSchedTotalGainsOther = 734;
// Part B
inline constexpr int kTagSchedLossesShares = 735;
inline constexpr int kTagSchedLossesRealEstate = 736;
inline constexpr int kTagSchedLossesOther = 737;
inline constexpr int kTagSchedLossesTotal = 738;
// Part D
inline constexpr int kTagSchedCurrentAppliedIndexed = 739;
inline constexpr int kTagSchedCurrentAppliedDiscount = 740;
inline constexpr int kTagSchedCurrentAppliedOther = 741;
inline constexpr int kTagSchedCurrentApplied = 742;
inline constexpr int kTagSchedPriorAppliedIndexed = 743;
inline constexpr int kTagSchedPriorAppliedDiscount = 744;
inline constexpr int kTagSchedPriorAppliedOther = 745;
inline constexpr int kTagSchedPriorApplied = 746;
inline constexpr int kTagSchedTransferredAppliedIndexed = 747;
inline constexpr int kTagSchedTransferredAppliedDiscount = 748;
inline constexpr int kTagSchedTransferredAppliedOther = 749;
inline constexpr int kTagSchedTransferredApplied = 1100;
inline constexpr int kTagSchedTotalAppliedIndexed = 1101;
inline constexpr int kTagSchedTotalAppliedDiscount = 1102;
inline constexpr int kTagSchedTotalAppliedOther = 1103;
inline constexpr int kTagSchedTotalApplied = 1104;
// Part E
inline constexpr int kTagSchedNonActiveAfterLossesIndexed = 1105;  // collectables included
inline constexpr int kTagSchedNonActiveAfterLossesDiscount = 1106;
inline constexpr int kTagSchedNonActiveAfterLossesOther = 1107;
inline constexpr int kTagSchedActiveAfterLossesIndexed = 1108;
inline constexpr int kTagSchedActiveAfterLossesDiscount = 1109;
inline constexpr int kTagSchedActiveAfterLossesOther = 1110;
inline constexpr int kTagSchedAfterLossesIndexed = 1111;
inline constexpr int kTagSchedAfterLossesDiscount = 1112;
inline constexpr int kTagSchedAfterLossesOther = 1113;
// Part F
inline constexpr int kTagSchedDiscountNonActive = 1114;
inline constexpr int kTagSchedDiscountActive = 1115;
// Part G
inline constexpr int kTagSchedReductionIndexed = 1116;
inline constexpr int kTagSchedReductionDiscount = 1117;
inline constexpr int kTagSchedReductionOther = 1118;
inline constexpr int kTagSchedRetirementIndexed = 1119;
inline constexpr int kTagSchedRetirementDiscount = 1120;
inline constexpr int kTagSchedRetirementOther = 1121;
inline constexpr int kTagSchedRollOverIndexed = 1122;
inline constexpr int kTagSchedRollOverDiscount = 1123;
inline constexpr int kTagSchedRollOverOther = 1124;
// Part H
inline constexpr int kTagSchedConcessionsIndexed = 1125;
inline constexpr int kTagSchedConcessionsDiscount = 1126;
inline constexpr int kTagSchedConcessionsOther = 1127;
inline constexpr int kTagSchedNetGainIndexed = 1128;
inline constexpr int kTagSchedNetGainDiscount = 1129;
inline constexpr int kTagSchedNetGainOther = 1130;
inline constexpr int kTagSchedNetCapitalGain = 1131;
// Part I
inline constexpr int kTagSchedCollectableLossesCarried = 1132;
inline constexpr int kTagSchedOtherLossesCarried = 1133;
// Part J
inline constexpr int kTagSchedExemptGains = 1134;
inline constexpr int kTagSchedExemptionCode = 1135;
// Part K
inline constexpr int kTagSchedScripYes = 1136;
inline constexpr int kTagSchedScripCostBase = 1137;     // cost base of the interests exchanged
inline constexpr int kTagSchedScripMarketValue = 1138;  // market value of the replacement interests
inline constexpr int kTagSchedScripCash = 1139;         // cash and other consideration
inline constexpr int kTagSchedScripNo = 1167;

}  // namespace cgt
