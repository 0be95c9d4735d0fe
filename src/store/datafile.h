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
// A file that did not load whole becomes the run's unreadable file, never
// saved over; one that did keys every later save (ModuleRun::keyText).
// No file is ever deleted by reading, whatever its name.
LoadOutcome LoadReturnFile(ModuleRun& run, const std::string& name, FileSystem& fs = RealFileSystem());

// A return named like a companion file would be its own backup or plain copy.
bool IsCompanionName(const std::string& name);
std::string CompanionNameMessage(const std::string& name);

enum class SaveOutcome {
    Written,
    Lodged,  // the file was written as lodged before; it is never written again
    NoName,
};

// Writes the run's store, position and history to the file, under the key
// that opened it (the digits of field 1 for a run that opened none). Any
// failure throws EInOutError and leaves the previous content loadable; so
// does a name ending in ".BAK" or ".SEC" and the name of the run's
// unreadable file in any form. Writers hold the file's ReturnLock.
SaveOutcome SaveReturnFile(ModuleRun& run, const std::string& name, FileSystem& fs = RealFileSystem());

// A save the user asked for, to a name of their choosing: the run's own file
// under the lock the run holds, any other file under a lock taken for the
// save, so that a return another program holds is never replaced (throws
// with InUseMessage).
SaveOutcome SaveReturnFileLocked(ModuleRun& run, const std::string& name);

// Whether field 1 holds other digits than the key the run's saves use: a
// save does not follow field 1, so that the return keeps opening with the
// identity that opened it, and the callers tell the user so.
bool IdentityFieldDisagrees(const ModuleRun& run);

// The message of a save refused for the run's unreadable file.
std::string NotWrittenOverMessage(const std::string& name);
// The message that follows the bad-tag error when a run starts on a return.
std::string DamagedReturnMessage(const std::string& name);

// Whether the file starts as a return does under the key of `keyText`: its
// header alone is decrypted, so that this is cheap on any return.
bool ReturnOpensWith(const std::string& name, std::string_view keyText, FileSystem& fs = RealFileSystem());

// The key of a run's file: the digits of the given text.
CipherKey ReturnFileKey(std::string_view keyText);

}  // namespace cgt
