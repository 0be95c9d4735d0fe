#pragma once
// cgt-host [HELPDESK] FILE --id TEXT [--screen N] [--new]
#include <optional>
#include <string>
#include <vector>

namespace cgt::host {

struct HostArgs {
    bool helpDesk = false;
    std::string file;
    std::string identity;
    int screen = 2004;
    bool create = false;
};

inline constexpr const char* kUsage = "usage: cgt-host [HELPDESK] FILE --id TEXT [--screen N] [--new]";

// The arguments after the program name; nothing (with `error` set) when they
// do not fit the usage.
std::optional<HostArgs> ParseHostArgs(const std::vector<std::string>& args, std::string& error);

}  // namespace cgt::host
