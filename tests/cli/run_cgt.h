#pragma once
// Runs `cgt` in process with the given arguments and standard input, and
// keeps its exit status and what it wrote.
#include <sstream>
#include <string>
#include <vector>

#include "command.h"

namespace cgt::test {

struct Outcome {
    int status;
    std::string out, err;
};

inline Outcome RunCgt(std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin(), "cgt");
    std::istringstream in(input);
    std::ostringstream out, err;
    cli::Io io{in, out, err};
    const int status = cli::Main(args, io);
    return {status, out.str(), err.str()};
}

}  // namespace cgt::test
