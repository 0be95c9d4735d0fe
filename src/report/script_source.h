#pragma once
// The readable form of a report script: one record per line, with names for
// record types, colours, typefaces, styles and field tags. The build compiles
// each resources/reports/NAME.rps into the stored form; the decompiler gives
// a stored script back as source. docs/report-scripts.md has the syntax.
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

#include "report/page_record.h"

namespace cgt {

class ScriptSourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Field tag names without their "kTag" prefix ("TaxpayerName" = 397).
using TagNames = std::map<std::string, int, std::less<>>;
// Reads the `inline constexpr int kTagName = N;` lines of a header.
TagNames ReadTagNames(std::string_view header);

// Source to script; a bad line throws "FILE:LINE: reason".
Script CompileScriptSource(std::string_view source, const std::string& fileName, const TagNames& tags = {});
// Script to source; compiling the result gives the same stored bytes.
std::string DecompileScript(const Script& script, const TagNames& tags = {});

}  // namespace cgt
