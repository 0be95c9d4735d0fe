#include "host_args.h"

#include "base/numtext.h"
#include "base/text.h"

namespace cgt::host {

std::optional<HostArgs> ParseHostArgs(const std::vector<std::string>& args, std::string& error) {
    HostArgs out;
    std::size_t i = 0;
    if (i < args.size() && UpperCase(args[i]) == "HELPDESK") {
        out.helpDesk = true;
        ++i;
    }
    bool haveId = false;
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--id" || a == "--screen") {
            if (i + 1 >= args.size()) {
                error = a + " needs a value";
                return std::nullopt;
            }
            const std::string& v = args[++i];
            if (a == "--id") {
                out.identity = v;
                haveId = true;
            } else {
                const auto n = TryStrToInt(v);
                if (!n || *n < 0 || *n > 65535) {
                    error = "--screen needs a screen number, not " + v;
                    return std::nullopt;
                }
                out.screen = int(*n);
            }
        } else if (a == "--new") {
            out.create = true;
        } else if (!a.empty() && a[0] == '-') {
            error = "unknown option " + a;
            return std::nullopt;
        } else if (out.file.empty()) {
            out.file = a;
        } else {
            error = "unexpected argument " + a;
            return std::nullopt;
        }
    }
    if (out.file.empty() || !haveId) {
        error = kUsage;
        return std::nullopt;
    }
    if (out.file.size() > 255 || out.identity.size() > 255) {
        error = "the file name and the identity text are at most 255 characters";
        return std::nullopt;
    }
    return out;
}

}  // namespace cgt::host
