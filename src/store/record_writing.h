#pragma once
// The little-endian pieces the records of the data file are written from.
#include <cstdint>
#include <string_view>
#include <vector>

#include "store/datatype.h"

namespace cgt {

void PutI32(std::vector<std::uint8_t>& out, std::int32_t v);
void PutBytes(std::vector<std::uint8_t>& out, std::string_view s);
// A length byte and at most `max` characters.
void PutShortString(std::vector<std::uint8_t>& out, std::string_view s, std::size_t max);
// The count, then every line with CR LF, then three zero bytes. Throws
// EInOutError for a list too long for the count.
void PutListText(std::vector<std::uint8_t>& out, const TextList& list);
// The 10-byte value area of a slot as a worksheet item carries it.
void PutValueArea(std::vector<std::uint8_t>& out, const Slot& slot);
// The same into 10 bytes that hold zeros.
void WriteValueArea(std::uint8_t* area, const Slot& slot);

}  // namespace cgt
