#pragma once
// Small returns in the JSON form of `cgt import`, shared by the tests of
// several commands.

namespace cgt::test {

// One share parcel: 1,000 paid on 01/03/1990, sold for 2,000 on 01/12/2002;
// held over a year, its discount gain is 2,000 - 1,000 = 1,000.
inline const char* const kOneParcelReturn =
    R"({"fields":{"397":"John Smith"},"worksheets":{"451":[{"710":"BHP 1,000 shares","714":"SN","726":"01/03/1990",)"
    R"("739":"01/12/2002","742":2000,"748":"G1","737":["1 - Purchase/Acquisition cost","01/03/1990","","a",)"
    R"("1000.00","","",""]}]}})";

}  // namespace cgt::test
