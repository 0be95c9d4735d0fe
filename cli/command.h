#pragma once
// The subcommands of `cgt`. Each lives in its own source file that defines
// one `const Command`; listing its name in commands.def registers it.
#include <iosfwd>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace cgt::cli {

// Bad usage: exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A failure while doing the work: exit status 1.
class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Io {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

struct OptionSpec {
    const char* name;   // "--id"
    const char* value;  // shown in the usage ("TEXT"); nullptr for a flag
    bool required;
    const char* help;
};

struct Args {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;  // flags hold ""

    bool Has(const std::string& name) const { return options.count(name) != 0; }
    const std::string& Value(const std::string& name) const { return options.at(name); }
};

struct Command {
    const char* name;
    const char* arguments;  // the positional part of the usage: "FILE"
    const char* summary;    // one line for `cgt help`
    const char* details;    // the rest of `cgt NAME --help`
    int minPositional;
    int maxPositional;
    std::vector<OptionSpec> options;
    int (*run)(const Args& args, Io& io);
};

// Every registered command, in the order of commands.def.
const std::vector<const Command*>& Commands();
const Command* FindCommand(const std::string& name);

// The whole program: returns the exit status (0 done, 1 failed, 2 bad usage).
int Main(const std::vector<std::string>& argv, Io& io);

// Reused by commands.
inline constexpr OptionSpec kIdOption{"--id", "TEXT", true, "identity text of the return; its digits are the key"};

}  // namespace cgt::cli
