#pragma once
// The file system steps of loading and saving the data file, behind a small
// interface so that tests can make any step fail. Every failure throws
// EInOutError naming the file and the step.
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "store/cipher.h"
#include "store/datafile_format.h"

namespace cgt {

// A file that must be new exists already.
class EFileExists : public EInOutError {
public:
    using EInOutError::EInOutError;
};

class OutputFile {
public:
    virtual ~OutputFile() = default;
    virtual void Write(std::span<const std::uint8_t> bytes) = 0;
    // Flushes to the disk itself, not only to the operating system.
    virtual void Flush() = 0;
    virtual void Close() = 0;
};

// Owner read and write only: a tax return is nobody else's business.
inline constexpr unsigned kNewFileMode = 0600;

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual Bytes ReadAll(const std::filesystem::path& path) = 0;
    // Creates or truncates.
    virtual std::unique_ptr<OutputFile> Create(const std::filesystem::path& path) = 0;
    // Creates a file that must not exist yet (a link there counts as existing
    // and is never followed), with exactly `mode` whatever the umask.
    virtual std::unique_ptr<OutputFile> CreateNew(const std::filesystem::path& path, unsigned mode) = 0;
    // Replaces `to` when it exists.
    virtual void Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    // A second name for the file; fails when `to` exists.
    virtual void Link(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    // No error when the file is missing.
    virtual void Remove(const std::filesystem::path& path) = 0;
    virtual bool Exists(const std::filesystem::path& path) = 0;
    // The permission bits of an existing file.
    virtual std::optional<unsigned> Mode(const std::filesystem::path& path) = 0;
    // The names in the folder (of files and links alike).
    virtual std::vector<std::filesystem::path> List(const std::filesystem::path& folder) = 0;
};

FileSystem& RealFileSystem();

// The name of a companion file: the extension replaced (or added).
std::filesystem::path CompanionFile(const std::filesystem::path& path, const char* extension);

// Writes `content` under `target` so that the name always holds a complete
// content, old or new: a temporary file of a unique name beside it, created
// with the target's mode (kNewFileMode for a new target), is written and
// flushed; the previous file gets a second name, the temporary file is
// renamed over the target, and that second name is renamed over ".BAK".
// Any failure throws EInOutError and leaves the target and its ".BAK" as they
// were. Temporary files left by a killed save are removed first, so the
// caller holds the ReturnLock of the target.
void ReplaceFileSafely(FileSystem& fs, const std::filesystem::path& target, std::span<const std::uint8_t> content);

// Writes a new file through a temporary one: `target` gets the complete
// content or stays as it was. Without `replace` an existing target is an
// error, even one that appears while the content is written.
void WriteFileSafely(FileSystem& fs, const std::filesystem::path& target, std::span<const std::uint8_t> content,
                     unsigned mode, bool replace);

// An exclusive lock on a return for a whole load, change and save, held by
// the module run and by every `cgt` command that writes. It is a lock file
// beside the return (the return itself is replaced by every save), removed
// when the lock is let go; one left by a killed process holds nothing.
class ReturnLock {
public:
    // Waits up to `wait` for another holder; throws EInOutError naming the
    // file when it is still held then, or when no lock can be taken.
    explicit ReturnLock(const std::filesystem::path& file,
                        std::chrono::milliseconds wait = std::chrono::milliseconds(3000));
    ~ReturnLock();
    ReturnLock(const ReturnLock&) = delete;
    ReturnLock& operator=(const ReturnLock&) = delete;

    static std::filesystem::path LockFile(const std::filesystem::path& file);

private:
    std::filesystem::path lockFile_;
    int fd_ = -1;
};

// The message of a return held by another program.
std::string InUseMessage(const std::string& file);

}  // namespace cgt
