// report-script-compiler: the build's step from a script's source to the
// stored form the engine reads, and back.
//   report-script-compiler compile SRC OUT [--tags TAGS_HEADER]
//   report-script-compiler decompile BIN [--tags TAGS_HEADER]
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include "report/page_record.h"
#include "report/script_source.h"

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace cgt;
    try {
        if (argc < 3) {
            std::cerr << "usage: report-script-compiler compile SRC OUT [--tags H] | decompile BIN [--tags H]\n";
            return 2;
        }
        const std::string command = argv[1];
        TagNames tags;
        for (int i = 2; i + 1 < argc; ++i)
            if (std::string(argv[i]) == "--tags") tags = ReadTagNames(ReadAll(argv[i + 1]));
        if (command == "compile" && argc >= 4) {
            const Script script = CompileScriptSource(ReadAll(argv[2]), argv[2], tags);
            const std::vector<std::uint8_t> bytes = WriteScript(script);
            std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
            if (!out) throw std::runtime_error(std::string("cannot write ") + argv[3]);
            return 0;
        }
        if (command == "decompile") {
            const std::string bytes = ReadAll(argv[2]);
            const Script script = ReadScript(
                std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
            std::cout << DecompileScript(script, tags);
            return 0;
        }
        std::cerr << "report-script-compiler: unknown command " << command << '\n';
        return 2;
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
}
