// cgt export: the whole store as JSON.
#include <ostream>

#include "command.h"
#include "session.h"
#include "store/store_json.h"

namespace cgt::cli {
namespace {

int RunExport(const Args& args, Io& io) {
    Session session(args.Value("--id"));
    session.Load(args.positional[0]);
    // Written as it is made: the document of a large return is never held whole.
    WriteStoreJson(session.run(), io.out);
    io.out << '\n';
    return 0;
}

}  // namespace

extern const Command kExportCommand{
    "export",
    "FILE",
    "write the whole store as JSON on standard output",
    "{\"position\":{\"section\":S,\"index\":I},\"history\":[...],\"fields\":{TAG:VALUE},\n"
    " \"worksheets\":{TYPE:[INSTANCE,...]}}, an INSTANCE being {TAG:VALUE} and a VALUE\n"
    "{\"type\":\"dtCurrency\",\"value\":1234.5}. Worksheet type T is field T + 751.",
    1,
    1,
    {kIdOption},
    RunExport,
};

}  // namespace cgt::cli
