// Prints an investor's return as JSON for `cgt import`:
//   investor_return_json PARCELS TRUST_ROWS | cgt import FILE --id 123456789
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "investor_return.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: investor_return_json PARCELS TRUST_ROWS\n");
        return 2;
    }
    std::cout << cgt::bench::InvestorReturnJson(std::atoi(argv[1]), std::atoi(argv[2])) << '\n';
    return std::cout ? 0 : 1;
}
