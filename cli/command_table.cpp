#include <algorithm>
#include <iostream>

#include "command.h"

namespace cgt::cli {

#define CGT_COMMAND(object) extern const Command object;
#include "commands.def"
#undef CGT_COMMAND

namespace {

std::string Usage(const Command& c) {
    std::string u = std::string("cgt ") + c.name;
    if (*c.arguments) u += std::string(" ") + c.arguments;
    for (const auto& o : c.options) {
        std::string part = o.name;
        if (o.value) part += std::string(" ") + o.value;
        u += o.required ? " " + part : " [" + part + "]";
    }
    return u;
}

void PrintList(std::ostream& out) {
    out << "usage: cgt COMMAND [ARGUMENTS]\n\n"
           "Reads and writes the encrypted return data files of the CGT module.\n\ncommands:\n";
    std::size_t width = 4;
    for (const Command* c : Commands()) width = std::max(width, std::string(c->name).size());
    for (const Command* c : Commands())
        out << "  " << c->name << std::string(width - std::string(c->name).size() + 2, ' ') << c->summary << '\n';
    out << "  help" << std::string(width - 2, ' ') << "this list, or `cgt help COMMAND`\n\n"
        << "Each command takes --help. Exit status: 0 done, 1 failed, 2 bad usage.\n";
}

void PrintHelp(const Command& c, std::ostream& out) {
    out << "usage: " << Usage(c) << "\n\n" << c.summary << '\n';
    if (*c.details) out << '\n' << c.details << '\n';
    if (!c.options.empty()) {
        out << "\noptions:\n";
        for (const auto& o : c.options) {
            std::string left = o.name;
            if (o.value) left += std::string(" ") + o.value;
            out << "  " << left << std::string(left.size() < 16 ? 16 - left.size() : 1, ' ') << o.help << '\n';
        }
    }
    out << "  --help          this text\n";
}

const OptionSpec* FindOption(const Command& c, const std::string& name) {
    for (const auto& o : c.options)
        if (name == o.name) return &o;
    return nullptr;
}

Args Parse(const Command& c, const std::vector<std::string>& tokens) {
    Args args;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::string& t = tokens[i];
        if (optionsEnded || t.size() < 2 || t[0] != '-') {
            args.positional.push_back(t);
            continue;
        }
        if (t == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = t, value;
        bool inlineValue = false;
        if (const auto eq = t.find('='); eq != std::string::npos) {
            name = t.substr(0, eq);
            value = t.substr(eq + 1);
            inlineValue = true;
        }
        const OptionSpec* option = FindOption(c, name);
        if (!option) throw UsageError("unknown option " + name);
        if (option->value) {
            if (!inlineValue) {
                if (i + 1 >= tokens.size()) throw UsageError(name + " needs a value (" + option->value + ")");
                value = tokens[++i];
            }
        } else if (inlineValue) {
            throw UsageError(name + " takes no value");
        }
        args.options[name] = value;
    }
    const int n = int(args.positional.size());
    if (n < c.minPositional) throw UsageError(std::string("expected ") + c.arguments);
    if (n > c.maxPositional) throw UsageError("unexpected argument " + args.positional[std::size_t(c.maxPositional)]);
    for (const auto& o : c.options)
        if (o.required && !args.Has(o.name)) throw UsageError(std::string("missing ") + o.name + " " + o.value);
    return args;
}

// Messages are one line, whatever the text they carry.
std::string OneLine(std::string s) {
    std::replace(s.begin(), s.end(), '\n', ' ');
    std::replace(s.begin(), s.end(), '\r', ' ');
    return s;
}

}  // namespace

const std::vector<const Command*>& Commands() {
    static const std::vector<const Command*> table = {
#define CGT_COMMAND(object) &object,
#include "commands.def"
#undef CGT_COMMAND
    };
    return table;
}

const Command* FindCommand(const std::string& name) {
    for (const Command* c : Commands())
        if (name == c->name) return c;
    return nullptr;
}

int Main(const std::vector<std::string>& argv, Io& io) {
    if (argv.size() < 2) {
        io.err << "cgt: no command given; `cgt help` lists them\n";
        return 2;
    }
    const std::string& name = argv[1];
    const std::vector<std::string> rest(argv.begin() + 2, argv.end());
    if (name == "help" || name == "--help" || name == "-h") {
        if (rest.empty() || name != "help") {
            PrintList(io.out);
            return 0;
        }
        const Command* c = FindCommand(rest[0]);
        if (!c || rest.size() > 1) {
            io.err << "cgt help: unknown command " << rest[0] << "\n";
            return 2;
        }
        PrintHelp(*c, io.out);
        return 0;
    }
    const Command* c = FindCommand(name);
    if (!c) {
        io.err << "cgt: unknown command " << name << "; `cgt help` lists them\n";
        return 2;
    }
    if (std::find_if(rest.begin(), rest.end(), [](const std::string& t) { return t == "--help" || t == "-h"; }) !=
        rest.end()) {
        PrintHelp(*c, io.out);
        return 0;
    }
    try {
        const Args args = Parse(*c, rest);
        return c->run(args, io);
    } catch (const UsageError& e) {
        io.err << "cgt " << c->name << ": " << OneLine(e.what()) << "; see `cgt " << c->name << " --help`\n";
        return 2;
    } catch (const std::exception& e) {
        io.err << "cgt " << c->name << ": " << OneLine(e.what()) << '\n';
        return 1;
    }
}

}  // namespace cgt::cli
