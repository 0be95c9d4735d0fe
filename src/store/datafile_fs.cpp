#include "store/datafile_fs.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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
    throw EFileError(step, path.string(), Reason(error));
}

class RealOutputFile final : public OutputFile {
public:
    RealOutputFile(std::FILE* f, fs::path path) : f_(f), path_(std::move(path)) {}
    ~RealOutputFile() override {
        if (f_) std::fclose(f_);
    }
    void Write(std::span<const std::uint8_t> bytes) override {
        if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f_) != bytes.size())
            Fail("write", path_, errno);
    }
    void Flush() override {
        if (std::fflush(f_) != 0) Fail("write", path_, errno);
        if (::fsync(fileno(f_)) != 0) Fail("write", path_, errno);
    }
    void Close() override {
        std::FILE* f = f_;
        f_ = nullptr;
        if (std::fclose(f) != 0) Fail("write", path_, errno);
    }

private:
    std::FILE* f_;
    fs::path path_;
};

class RealFs final : public FileSystem {
public:
    Bytes ReadAll(const fs::path& path) override {
        if (path.empty()) throw EFileError("read", "", "no file name was given");
        // Not blocking on the open: a FIFO with no writer would hold the
        // command for ever, and only a regular file is read at all.
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) Fail("read", path, errno);
        struct stat st;
        if (::fstat(fd, &st) != 0) {
            const int error = errno;
            ::close(fd);
            Fail("read", path, error);
        }
        if (!S_ISREG(st.st_mode)) {
            ::close(fd);
            if (S_ISDIR(st.st_mode)) Fail("read", path, EISDIR);
            throw EFileError("read", path.string(),
                             S_ISFIFO(st.st_mode) ? "it is a pipe, not a file" : "it is a device, not a file");
        }
        // Read at its size in one piece, not grown (and copied) as it comes;
        // whatever a file that grows meanwhile adds is still read.
        Bytes bytes(std::size_t(st.st_size));
        std::size_t have = 0;
        for (;;) {
            if (have == bytes.size()) bytes.resize(bytes.size() + 65536);
            const ssize_t n = ::read(fd, bytes.data() + have, bytes.size() - have);
            if (n < 0) {
                if (errno == EINTR) continue;
                const int error = errno;
                ::close(fd);
                Fail("read", path, error);
            }
            if (n == 0) break;
            have += std::size_t(n);
        }
        ::close(fd);
        bytes.resize(have);
        return bytes;
    }
    std::unique_ptr<OutputFile> Create(const fs::path& path) override {
        std::FILE* f = std::fopen(path.string().c_str(), "wb");
        if (!f) Fail("create", path, errno);
        return std::make_unique<RealOutputFile>(f, path);
    }
    std::unique_ptr<OutputFile> CreateNew(const fs::path& path, unsigned mode) override {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode & 0777);
        if (fd < 0) {
            if (errno == EEXIST) throw EFileExists("create", path.string(), "it exists already");
            Fail("create", path, errno);
        }
        // The umask would take bits away from an existing return's mode.
        std::FILE* f = ::fchmod(fd, mode & 0777) == 0 ? ::fdopen(fd, "wb") : nullptr;
        if (!f) {
            const int error = errno;
            ::close(fd);
            ::unlink(path.c_str());
            Fail("create", path, error);
        }
        return std::make_unique<RealOutputFile>(f, path);
    }
    void Rename(const fs::path& from, const fs::path& to) override {
        std::error_code ec;
        fs::rename(from, to, ec);
        if (ec) Fail("rename", from, ec.value());
        SyncFolder(to);
    }
    void Link(const fs::path& from, const fs::path& to) override {
        if (::link(from.c_str(), to.c_str()) == 0) {
            SyncFolder(to);
            return;
        }
        const int error = errno;
        if (error == EEXIST) throw EFileExists("create", to.string(), "it exists already");
        if (error != EPERM && error != EOPNOTSUPP && error != ENOSYS && error != EMLINK) Fail("link", from, error);
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
        if (ec) Fail("delete", path, ec.value());
    }
    bool IsPlainFile(const fs::path& path) override {
        std::error_code ec;
        return fs::is_regular_file(fs::symlink_status(path, ec));
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
        if (ec) Fail("list", folder, ec.value());
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

constexpr std::size_t kTemporaryDigits = 16;

fs::path TemporaryName(const fs::path& target) {
    static std::atomic<std::uint64_t> counter{0};
    thread_local std::mt19937_64 random(std::random_device{}());
    const std::uint64_t n = random() ^ (counter.fetch_add(1) * 0x9E3779B97F4A7C15ull);
    char hex[kTemporaryDigits + 1];
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

// Whether `name` in the folder of `target` is one of the temporary files
// that saves of `target` make: exactly TemporaryName's form.
bool IsTemporaryOf(const fs::path& target, const std::string& name) {
    const std::string prefix = target.filename().string() + kTemporaryInfix;
    if (name.size() != prefix.size() + kTemporaryDigits || name.compare(0, prefix.size(), prefix) != 0) return false;
    return std::all_of(name.begin() + std::ptrdiff_t(prefix.size()), name.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

// Under the return's lock every temporary file of its saves was left by a
// save that was killed: new content that never took the return's name, or a
// second name of the return itself. Nothing else is touched, not even a
// file of a name like theirs that a link or a folder holds.
void RemoveStaleTemporaries(FileSystem& fs, const fs::path& target) {
    try {
        for (const fs::path& entry : fs.List(target.parent_path()))
            if (IsTemporaryOf(target, entry.string()) && fs.IsPlainFile(target.parent_path() / entry))
                RemoveQuietly(fs, target.parent_path() / entry);
    } catch (const EInOutError&) {
        // An unreadable folder fails the save itself soon enough.
    }
}

// The failure of a step on a temporary file is told of the file the user
// named, with the reason.
template <typename F>
void AsWriteOf(const fs::path& target, F&& step) {
    try {
        step();
    } catch (const EFileError& e) {
        if (e.file() == target.string()) throw;
        throw EFileError("write", target.string(), e.reason());
    } catch (const EInOutError& e) {
        throw EFileError("write", target.string(), e.what());
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

bool SameFile(const fs::path& a, const fs::path& b) {
    if (a.empty() || b.empty()) return false;
    std::error_code ec;
    if (fs::equivalent(a, b, ec) && !ec) return true;
    std::error_code ea, eb;
    const fs::path ca = fs::weakly_canonical(fs::absolute(a, ea), ea);
    const fs::path cb = fs::weakly_canonical(fs::absolute(b, eb), eb);
    return !ea && !eb && ca == cb;
}

void ReplaceFileSafely(FileSystem& fs, const fs::path& target, std::span<const std::uint8_t> content) {
    AsWriteOf(target, [&] {
        RemoveStaleTemporaries(fs, target);
        const bool exists = fs.Exists(target);
        auto [temp, file] = CreateTemporary(fs, target, exists ? fs.Mode(target).value_or(kNewFileMode) : kNewFileMode);
        WriteTemporary(fs, temp, *file, content);

        if (exists) {
            // The previous content takes the ".BAK" name before the new one
            // takes the return's: at no instant is it only in a temporary.
            const fs::path previous = TemporaryName(target);
            bool linked = false;
            try {
                fs.Link(target, previous);
                linked = true;
                fs.Rename(previous, CompanionFile(target, ".BAK"));
            } catch (...) {
                if (linked) RemoveQuietly(fs, previous);
                RemoveQuietly(fs, temp);
                throw;
            }
        }
        try {
            fs.Rename(temp, target);
        } catch (...) {
            RemoveQuietly(fs, temp);
            throw;
        }
    });
}

void WriteFileSafely(FileSystem& fs, const fs::path& target, std::span<const std::uint8_t> content, unsigned mode,
                     bool replace) {
    if (!replace && fs.Exists(target)) throw EFileExists("create", target.string(), "it exists already");
    AsWriteOf(target, [&] {
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
    });
}

std::string InUseMessage(const std::string& file) {
    return file + " is in use by another program (the CGT module or another cgt command); nothing was changed";
}

fs::path ReturnLock::LockFile(const fs::path& file) {
    fs::path lock = file;
    lock += ".lock";
    return lock;
}

bool ReturnLock::Covers(const fs::path& file) const {
    return SameFile(file, file_);
}

namespace {

[[noreturn]] void FailToLock(const fs::path& file, const fs::path& lockFile, int error) {
    std::string reason;
    if (error == ELOOP || error == EMLINK)
        reason = "its lock file " + lockFile.string() + " is a link, which a lock never is (remove it)";
    else if (error == EISDIR || error == EINVAL)
        reason = "its lock file " + lockFile.string() + " is not a file (remove it)";
    else if (error == ENOENT || error == ENOTDIR)
        reason = "the folder " + (file.has_parent_path() ? file.parent_path().string() : std::string(".")) +
                 " does not exist";
    else
        reason = Reason(error) + " (its lock file " + lockFile.string() + ")";
    throw EFileError("lock", file.string(), reason);
}

}  // namespace

ReturnLock::ReturnLock(const fs::path& file, std::chrono::milliseconds wait)
    : file_(fs::absolute(file)), lockFile_(LockFile(file)) {
    if (file.empty()) throw EFileError("lock", "", "no file name was given");
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        const int fd = ::open(lockFile_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, kNewFileMode);
        if (fd < 0) FailToLock(file, lockFile_, errno);
        struct stat held;
        if (::fstat(fd, &held) == 0 && !S_ISREG(held.st_mode)) {
            ::close(fd);
            FailToLock(file, lockFile_, EINVAL);
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            // The holder before us removes the file as it lets go; a lock on a
            // removed file would hold nothing.
            struct stat named;
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
        if (error != EWOULDBLOCK) FailToLock(file, lockFile_, error);
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
