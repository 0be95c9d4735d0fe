#include "screens/navigator_groups.h"

namespace cgt {

const std::vector<NavigatorEntry>& NavigatorGroups() {
    static const std::vector<NavigatorEntry> groups = {
        {QStringLiteral("Introduction screen"), 2004},
        {QStringLiteral("Unapplied losses?"), 2005},
        {QStringLiteral("Ceasing to be a resident"), 2088},
        {QStringLiteral("Shares"), 2006},
        {QStringLiteral("Trust information"), 2018},
        {QStringLiteral("CGT Trust distributions"), 2019},
        {QStringLiteral("CGT events affecting trusts"), 2020},
        {QStringLiteral("Real estate"), 2031},
        {QStringLiteral("Depreciating assets"), 2042},
        {QStringLiteral("Personal use or collectable assets"), 2052},
        {QStringLiteral("Other assets not mentioned"), 2062},
        {QStringLiteral("Creation of rights"), 2072},
        {QStringLiteral("Other receipts"), 2096},
        {QStringLiteral("Manual calculation table"), 2101},
        {QStringLiteral("Application of choices"), 2102},
    };
    return groups;
}

}  // namespace cgt
