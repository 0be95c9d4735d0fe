#pragma once
// The file system steps of loading and saving the data file, behind a small
// interface so that tests can make any step fail. Every failure throws
// EInOutError naming the file and the step.
#include <filesystem>
#include <memory>
#include <span>

#include "store/cipher.h"

namespace cgt {

class OutputFile {
public:
    virtual ~OutputFile() = default;
    virtual void Write(std::span<const std::uint8_t> bytes) = 0;
    // Flushes to the disk itself, not only to the operating system.
    virtual void Flush() = 0;
    virtual void Close() = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual Bytes ReadAll(const std::filesystem::path& path) = 0;
    // Creates or truncates.
    virtual std::unique_ptr<OutputFile> Create(const std::filesystem::path& path) = 0;
    // Replaces `to` when it exists.
    virtual void Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    // No error when the file is missing.
    virtual void Remove(const std::filesystem::path& path) = 0;
    virtual bool Exists(const std::filesystem::path& path) = 0;
};

FileSystem& RealFileSystem();

// The name of a companion file: the extension replaced (or added).
std::filesystem::path CompanionFile(const std::filesystem::path& path, const char* extension);

// Writes `content` under `target` so that at every moment either the previous
// content or the new one is complete on disk: a temporary file in the same
// folder is written and flushed, the previous file becomes ".BAK", and the
// temporary file takes the name. On any failure the previous content stays
// under the target name (or, failing that, as ".BAK") and EInOutError is thrown.
void ReplaceFileSafely(FileSystem& fs, const std::filesystem::path& target, std::span<const std::uint8_t> content);

}  // namespace cgt
