#pragma once
// One worksheet item as the data file records it: instance, tag, type, a
// reserved byte and the 10-byte value area, then the text of a string, the
// lines of a list or, for a check box, the value area once more.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "store/datatype.h"

namespace cgt {

// An item whose type code is outside the table goes out as an empty slot.
void AppendItemRecord(std::vector<std::uint8_t>& out, const WorksheetItem& item);
// The same into ItemRecordSize(item) bytes that hold zeros; returns their end.
std::uint8_t* WriteItemRecord(std::uint8_t* at, const WorksheetItem& item);

// Reads a record AppendItemRecord made; returns the bytes it took. With
// `checked`, any record of a data file that has been checked (a list's
// text ends at its first zero and its lines at CR, LF or both; a count of
// 0 or less is no line).
std::size_t ReadItemRecord(const std::uint8_t* record, WorksheetItem& item, bool checked = false);
// The bytes of a record AppendItemRecord made, without reading it.
std::size_t ItemRecordSize(const std::uint8_t* record);
// The bytes of the record of an item, without writing it.
std::size_t ItemRecordSize(const WorksheetItem& item);

// True when the record of the item reads back as the same item: nothing
// of its slot lies outside what its type records (a list whose lines hold
// no line break or zero, a text of a string that exists and fits).
bool RecordKeepsItem(const WorksheetItem& item);
// The size of the record of such an item; 0 for any other.
std::size_t KeptRecordSize(const WorksheetItem& item);

}  // namespace cgt
