#pragma once
// Loading and saving the return data file of a module run. The plain
// content exists only in memory: it is decrypted from and encrypted into
// the data file directly, and a save replaces the file atomically, keeping
// the previous content as ".BAK".
#include <string>

#include "store/datafile_format.h"
#include "store/datafile_fs.h"
#include "store/tags.h"

namespace cgt {

class ModuleRun;

inline constexpr const char* kUnableToOpenFile = "Unable to open file - ";
inline constexpr const char* kErrorReadingFile = "Error reading file, field tag = ";
inline constexpr const char* kLastTagText = " last tag = ";
inline constexpr const char* kSaveWithoutName = "SaveOpen - Trying to save a file with no name";
inline constexpr const char* kListingFileName = "TEST.TXT";
inline constexpr const char* kLodgedMarker = "999999999";
inline constexpr std::int32_t kFileVersion = 60012;

enum class LoadOutcome {
    Loaded,
    Unreadable,  // wrong key, foreign file or damaged header: nothing was read
    BadTag,      // the fields before a bad tag were read
};

// Fills the run's store, position and history from the file. A wrong key,
// foreign file or damaged header shows "Unable to open file - " and the name
// and leaves the store as it was; a bad tag shows the field-tag error and
// keeps the fields before it. Damaged content throws EInOutError, a file
// shorter than one block ECipherException, a missing file EInOutError.
// The file read is never deleted, whatever its name.
LoadOutcome LoadReturnFile(ModuleRun& run, const std::string& name, FileSystem& fs = RealFileSystem());

// A return named like a companion file would be its own backup or plain copy.
bool IsCompanionName(const std::string& name);
std::string CompanionNameMessage(const std::string& name);

enum class SaveOutcome {
    Written,
    Lodged,  // the file was written as lodged before; it is never written again
    NoName,
};

// Writes the run's store, position and history to the file. Any failure
// throws EInOutError and leaves the previous content loadable; so does a
// name ending in ".BAK" or ".SEC". Writers hold the file's ReturnLock.
SaveOutcome SaveReturnFile(ModuleRun& run, const std::string& name, FileSystem& fs = RealFileSystem());

// The key of a run's file: the digits of the given text.
CipherKey ReturnFileKey(std::string_view keyText);

}  // namespace cgt
