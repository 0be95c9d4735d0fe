#pragma once
// What the report script fuzz target does with one input: read it as a
// stored script, write it again, and take it through its source form.
// Shared by the libFuzzer program and the report tests, which replay every
// kept input. Returns nullptr when the input was handled as it must be,
// otherwise what went wrong.
#include <cstddef>
#include <cstdint>
#include <span>

#include "report/page_record.h"
#include "report/script_source.h"

namespace cgt::fuzz {

inline const char* ReportScript(const std::uint8_t* data, std::size_t size) {
    const Script read = ReadScript(std::span<const std::uint8_t>(data, size));
    // What was read is written and read back as it was.
    const std::vector<std::uint8_t> written = WriteScript(read);
    Script again = ReadScript(written);
    if (again.sections.size() != read.sections.size()) return "a written script reads back with other sections";
    for (std::size_t i = 0; i < read.sections.size(); ++i) {
        if (again.sections[i].records != read.sections[i].records) return "a written script reads back other records";
    }
    // Its source form compiles to the same bytes.
    try {
        const Script compiled = CompileScriptSource(DecompileScript(read), "fuzz.rps");
        if (WriteScript(compiled) != written) return "the source form compiles to other bytes";
    } catch (const ScriptSourceError&) {
        return "the source form of a read script does not compile";
    }
    return nullptr;
}

}  // namespace cgt::fuzz
