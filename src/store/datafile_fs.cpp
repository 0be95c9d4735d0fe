#include "store/datafile_fs.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <system_error>
#include <thread>

namespace cgt {
namespace {

namespace fs = std::filesystem;

// Temporary files of a save are "<return name>.tmp-<16 hex digits>".
constexpr const char* kTemporaryInfix = ".tmp-";

std::string Reason(int error) {
    return std::generic_category().message(error);
}

[[noreturn]] void Fail(const char* step, const fs::path& path, int error) {
    throw EInOutError(std::string(step) + " " + path.string() + ": " + Reason(error));
}

class RealOutputFile final : public OutputFile {
public:
    RealOutputFile(std::FILE* f, fs::path path) : f_(f), path_(std::move(path)) {}
    ~RealOutputFile() override {
        if (f_) std::fclose(f_);
    }
    void Write(std::span<const std::uint8_t> bytes) override {
        if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f_) != bytes.size())
            Fail("Unable to write", path_, errno);
    }
    void Flush() override {
        if (std::fflush(f_) != 0) Fail("Unable to write", path_, errno);
        if (::fsync(fileno(f_)) != 0) Fail("Unable to flush", path_, errno);
    }
    void Close() override {
        std::FILE* f = f_;
        f_ = nullptr;
        if (std::fclose(f) != 0) Fail("Unable to close", path_, errno);
    }

private:
    std::FILE* f_;
    fs::path path_;
};

class RealFs final : public FileSystem {
public:
    Bytes ReadAll(const fs::path& path) override {
        std::error_code ec;
        if (fs::is_directory(path, ec)) Fail("Unable to read", path, EISDIR);
        std::ifstream in(path, std::ios::binary);
        if (!in) Fail("Unable to read", path, errno ? errno : ENOENT);
        // Read at its size in one piece, not grown (and copied) as it comes;
        // whatever a file that grows meanwhile adds is still read.
        const std::uintmax_t size = fs::file_size(path, ec);
        Bytes bytes(ec ? 0 : std::size_t(size));
        in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
        bytes.resize(std::size_t(in.gcount()));
        if (in) bytes.insert(bytes.end(), std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (in.bad()) Fail("Unable to read", path, EIO);
        return bytes;
    }
    std::unique_ptr<OutputFile> Create(const fs::path& path) override {
        std::FILE* f = std::fopen(path.string().c_str(), "wb");
        if (!f) Fail("Unable to create", path, errno);
        return std::make_unique<RealOutputFile>(f, path);
    }
    std::unique_ptr<OutputFile> CreateNew(const fs::path& path, unsigned mode) override {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode & 0777);
        if (fd < 0) {
            if (errno == EEXIST) throw EFileExists(path.string() + " already exists");
            Fail("Unable to create", path, errno);
        }
        // The umask would take bits away from an existing return's mode.
        std::FILE* f = ::fchmod(fd, mode & 0777) == 0 ? ::fdopen(fd, "wb") : nullptr;
        if (!f) {
            const int error = errno;
            ::close(fd);
            ::unlink(path.c_str());
            Fail("Unable to create", path, error);
        }
        return std::make_unique<RealOutputFile>(f, path);
    }
    void Rename(const fs::path& from, const fs::path& to) override {
        std::error_code ec;
        fs::rename(from, to, ec);
        if (ec) Fail("Unable to rename", from, ec.value());
        SyncFolder(to);
    }
    void Link(const fs::path& from, const fs::path& to) override {
        if (::link(from.c_str(), to.c_str()) == 0) {
            SyncFolder(to);
            return;
        }
        const int error = errno;
        if (error == EEXIST) throw EFileExists(to.string() + " already exists");
        if (error != EPERM && error != EOPNOTSUPP && error != ENOSYS && error != EMLINK)
            Fail("Unable to link", from, error);
        // A file system without hard links gets a copy, still never over an existing file.
        const Bytes content = ReadAll(from);
        auto file = CreateNew(to, Mode(from).value_or(kNewFileMode));
        try {
            file->Write(content);
            file->Flush();
            file->Close();
        } catch (...) {
            file.reset();
            ::unlink(to.c_str());
            throw;
        }
    }
    void Remove(const fs::path& path) override {
        std::error_code ec;
        fs::remove(path, ec);
        if (ec) Fail("Unable to delete", path, ec.value());
    }
    bool Exists(const fs::path& path) override {
        std::error_code ec;
        return fs::exists(fs::symlink_status(path, ec));
    }
    std::optional<unsigned> Mode(const fs::path& path) override {
        struct stat st;
        if (::stat(path.c_str(), &st) != 0) return std::nullopt;
        return unsigned(st.st_mode & 0777);
    }
    std::vector<fs::path> List(const fs::path& folder) override {
        std::error_code ec;
        std::vector<fs::path> names;
        for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end; !ec && it != end;
             it.increment(ec))
            names.push_back(it->path().filename());
        if (ec) Fail("Unable to list", folder, ec.value());
        return names;
    }

private:
    // Makes a rename durable; where the platform cannot, the rename still stands.
    static void SyncFolder(const fs::path& path) {
        const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
        const int fd = ::open(folder.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
    }
};

void RemoveQuietly(FileSystem& fs, const fs::path& path) {
    try {
        fs.Remove(path);
    } catch (const EInOutError&) {
        // Only tidying up; the error being reported matters more.
    }
}

fs::path TemporaryName(const fs::path& target) {
    static std::atomic<std::uint64_t> counter{0};
    thread_local std::mt19937_64 random(std::random_device{}());
    const std::uint64_t n = random() ^ (counter.fetch_add(1) * 0x9E3779B97F4A7C15ull);
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(n));
    fs::path temp = target;
    temp += std::string(kTemporaryInfix) + hex;
    return temp;
}

// Creates the temporary file with a fresh name; a name that is taken (or
// planted) is never written through.
std::pair<fs::path, std::unique_ptr<OutputFile>> CreateTemporary(FileSystem& fs, const fs::path& target,
                                                                 unsigned mode) {
    for (int attempt = 0;; ++attempt) {
        fs::path temp = TemporaryName(target);
        try {
            return {temp, fs.CreateNew(temp, mode)};
        } catch (const EFileExists&) {
            if (attempt == 7) throw;
        }
    }
}

void WriteTemporary(FileSystem& fs, const fs::path& temp, OutputFile& file, std::span<const std::uint8_t> content) {
    try {
        file.Write(content);
        file.Flush();
        file.Close();
    } catch (...) {
        RemoveQuietly(fs, temp);
        throw;
    }
}

// Under the return's lock every temporary file of its saves is left by a
// save that was killed (a plain ".new" came from older versions).
void RemoveStaleTemporaries(FileSystem& fs, const fs::path& target) {
    const std::string name = target.filename().string();
    const std::string prefix = name + kTemporaryInfix;
    try {
        for (const fs::path& entry : fs.List(target.parent_path())) {
            const std::string s = entry.string();
            if (s.rfind(prefix, 0) == 0 || s == name + ".new") RemoveQuietly(fs, target.parent_path() / entry);
        }
    } catch (const EInOutError&) {
        // An unreadable folder fails the save itself soon enough.
    }
}

}  // namespace

FileSystem& RealFileSystem() {
    static RealFs fs;
    return fs;
}

fs::path CompanionFile(const fs::path& path, const char* extension) {
    fs::path p = path;
    p.replace_extension(extension);
    return p;
}

void ReplaceFileSafely(FileSystem& fs, const fs::path& target, std::span<const std::uint8_t> content) {
    RemoveStaleTemporaries(fs, target);
    const bool exists = fs.Exists(target);
    auto [temp, file] = CreateTemporary(fs, target, exists ? fs.Mode(target).value_or(kNewFileMode) : kNewFileMode);
    WriteTemporary(fs, temp, *file, content);

    if (!exists) {
        try {
            fs.Rename(temp, target);
        } catch (...) {
            RemoveQuietly(fs, temp);
            throw;
        }
        return;
    }

    // The previous content under a second name keeps ".BAK" untouched until
    // the new content holds the return's name.
    const fs::path previous = TemporaryName(target);
    try {
        fs.Link(target, previous);
    } catch (...) {
        RemoveQuietly(fs, temp);
        throw;
    }
    try {
        fs.Rename(temp, target);
    } catch (...) {
        RemoveQuietly(fs, temp);
        RemoveQuietly(fs, previous);
        throw;
    }
    try {
        fs.Rename(previous, CompanionFile(target, ".BAK"));
    } catch (...) {
        // Back to the previous content; should even that fail, the name
        // holds the new content, complete.
        try {
            fs.Rename(previous, target);
        } catch (const EInOutError&) {
            RemoveQuietly(fs, previous);
        }
        throw;
    }
}

void WriteFileSafely(FileSystem& fs, const fs::path& target, std::span<const std::uint8_t> content, unsigned mode,
                     bool replace) {
    if (!replace && fs.Exists(target)) throw EFileExists(target.string() + " already exists");
    auto [temp, file] = CreateTemporary(fs, target, mode);
    WriteTemporary(fs, temp, *file, content);
    try {
        if (replace)
            fs.Rename(temp, target);
        else
            fs.Link(temp, target);  // fails when the name was taken meanwhile
    } catch (...) {
        RemoveQuietly(fs, temp);
        throw;
    }
    if (!replace) RemoveQuietly(fs, temp);
}

std::string InUseMessage(const std::string& file) {
    return file + " is in use by another program (the CGT module or another cgt command); nothing was changed";
}

fs::path ReturnLock::LockFile(const fs::path& file) {
    fs::path lock = file;
    lock += ".lock";
    return lock;
}

ReturnLock::ReturnLock(const fs::path& file, std::chrono::milliseconds wait) : lockFile_(LockFile(file)) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        const int fd = ::open(lockFile_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, kNewFileMode);
        if (fd < 0) Fail("Unable to lock", file, errno);
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            // The holder before us removes the file as it lets go; a lock on a
            // removed file would hold nothing.
            struct stat held, named;
            if (::fstat(fd, &held) == 0 && ::stat(lockFile_.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
                held.st_ino == named.st_ino) {
                fd_ = fd;
                return;
            }
            ::close(fd);
            continue;
        }
        const int error = errno;
        ::close(fd);
        if (error != EWOULDBLOCK) Fail("Unable to lock", file, error);
        if (std::chrono::steady_clock::now() >= deadline) throw EInOutError(InUseMessage(file.string()));
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

ReturnLock::~ReturnLock() {
    // Removed while still held, so that nobody waits on a file no longer named.
    ::unlink(lockFile_.c_str());
    ::close(fd_);
}

}  // namespace cgt
