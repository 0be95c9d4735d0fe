#pragma once
// The file system steps of loading and saving the data file, behind a small
// interface so that tests can make any step fail. Every failure throws
// EInOutError naming the file and the step.
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "store/cipher.h"
#include "store/datafile_format.h"

namespace cgt {

// A file system step that failed, said as "cannot STEP FILE: REASON" with
// the reason in plain words ("cannot write r.RET: No space left on device").
class EFileError : public EInOutError {
public:
    EFileError(const std::string& step, std::string file, std::string reason)
        : EInOutError("cannot " + step + (file.empty() ? std::string() : " " + file) + ": " + reason),
          file_(std::move(file)),
          reason_(std::move(reason)) {}
    const std::string& file() const { return file_; }
    const std::string& reason() const { return reason_; }

private:
    std::string file_, reason_;
};

// A file that must be new exists already.
class EFileExists : public EFileError {
public:
    using EFileError::EFileError;
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
    // A file of its own: neither a link nor a folder nor a device.
    virtual bool IsPlainFile(const std::filesystem::path& path) = 0;
    // The permission bits of an existing file.
    virtual std::optional<unsigned> Mode(const std::filesystem::path& path) = 0;
    // The names in the folder (of files and links alike).
    virtual std::vector<std::filesystem::path> List(const std::filesystem::path& folder) = 0;
};

FileSystem& RealFileSystem();

// The name of a companion file: the extension replaced (or added).
std::filesystem::path CompanionFile(const std::filesystem::path& path, const char* extension);

// Whether two names lead to one file: the same file where both exist, else
// the same place once "." and ".." and links of the folders are resolved.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// Writes `content` under `target` so that the name always holds a complete
// content, old or new, and the previous content can be reached under a name
// of its own at every instant: a temporary file of a unique name beside it,
// created with the target's mode (kNewFileMode for a new target), is written
// and flushed; then the previous file gets a second name that is renamed over
// ".BAK", and only then is the temporary file renamed over the target.
// Any failure throws EFileError naming the target (never the temporary) and
// leaves the target as it was; after a failure of the last step ".BAK" holds
// the target's content too. Temporary files left by a killed save (each of
// them either new content never put in place or a second name of the target)
// are removed first, so the caller holds the ReturnLock of the target.
void ReplaceFileSafely(FileSystem& fs, const std::filesystem::path& target, std::span<const std::uint8_t> content);

// Writes a file through a temporary one beside it: `target` gets the complete
// content or stays as it was, and a link at its name is replaced, never
// followed. Without `replace` an existing target is an error, even one that
// appears while the content is written. Failures throw EFileError naming the
// target.
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
    // Whether this lock is the one of `file`, whatever the form of its name.
    bool Covers(const std::filesystem::path& file) const;

private:
    std::filesystem::path file_;
    std::filesystem::path lockFile_;
    int fd_ = -1;
};

// The message of a return held by another program.
std::string InUseMessage(const std::string& file);

}  // namespace cgt
