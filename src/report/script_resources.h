#pragma once
// The report scripts compiled into the module as resources ":/reports/NAME".
#include <cstdint>
#include <string>
#include <vector>

namespace cgt {

// The stored script; std::runtime_error "Resource NAME not found" when the
// module carries none of that name.
std::vector<std::uint8_t> LoadScriptResource(const std::string& name);

}  // namespace cgt
