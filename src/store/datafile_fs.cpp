#include "store/datafile_fs.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include "store/datafile_format.h"

namespace cgt {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const char* step, const fs::path& path, int error) {
    throw EInOutError(std::string(step) + " " + path.string() + ": " + std::generic_category().message(error));
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
#ifdef _WIN32
        if (_commit(_fileno(f_)) != 0) Fail("Unable to flush", path_, errno);
#else
        if (::fsync(fileno(f_)) != 0) Fail("Unable to flush", path_, errno);
#endif
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
        std::ifstream in(path, std::ios::binary);
        if (!in) Fail("Unable to read", path, errno ? errno : ENOENT);
        Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (in.bad()) Fail("Unable to read", path, EIO);
        return bytes;
    }
    std::unique_ptr<OutputFile> Create(const fs::path& path) override {
        std::FILE* f = std::fopen(path.string().c_str(), "wb");
        if (!f) Fail("Unable to create", path, errno);
        return std::make_unique<RealOutputFile>(f, path);
    }
    void Rename(const fs::path& from, const fs::path& to) override {
        std::error_code ec;
        fs::rename(from, to, ec);
        if (ec) Fail("Unable to rename", from, ec.value());
        SyncFolder(to);
    }
    void Remove(const fs::path& path) override {
        std::error_code ec;
        fs::remove(path, ec);
        if (ec) Fail("Unable to delete", path, ec.value());
    }
    bool Exists(const fs::path& path) override {
        std::error_code ec;
        return fs::exists(path, ec);
    }

private:
    // Makes a rename durable; where the platform cannot, the rename still stands.
    static void SyncFolder(const fs::path& path) {
#ifndef _WIN32
        const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
        const int fd = ::open(folder.c_str(), O_RDONLY);
        if (fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
#else
        (void)path;
#endif
    }
};

void RemoveQuietly(FileSystem& fs, const fs::path& path) {
    try {
        fs.Remove(path);
    } catch (const EInOutError&) {
        // Only tidying up; the error being reported matters more.
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
    fs::path temp = target;
    temp += ".new";
    try {
        auto file = fs.Create(temp);
        file->Write(content);
        file->Flush();
        file->Close();
    } catch (...) {
        RemoveQuietly(fs, temp);
        throw;
    }

    const fs::path backup = CompanionFile(target, ".BAK");
    bool backedUp = false;
    if (fs.Exists(target)) {
        try {
            fs.Rename(target, backup);
            backedUp = true;
        } catch (...) {
            RemoveQuietly(fs, temp);
            throw;
        }
    }
    try {
        fs.Rename(temp, target);
    } catch (...) {
        // Put the previous content back under its own name if we can; it is
        // still the ".BAK" file if we cannot.
        if (backedUp) {
            try {
                fs.Rename(backup, target);
            } catch (const EInOutError&) {
            }
        }
        RemoveQuietly(fs, temp);
        throw;
    }
}

}  // namespace cgt
