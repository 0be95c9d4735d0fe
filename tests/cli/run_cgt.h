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

// A word for the shell, whatever it holds.
inline std::string ShellQuote(const std::string& s) {
    std::string q = "'";
    for (const char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline Outcome RunCgt(std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin(), "cgt");
    std::istringstream in(input);
    std::ostringstream out, err;
    cli::Io io{in, out, err};
    const int status = cli::Main(args, io);
    return {status, out.str(), err.str()};
}

}  // namespace cgt::test
