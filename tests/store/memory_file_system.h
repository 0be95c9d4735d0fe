#pragma once
// A file system in memory whose steps can be made to fail, to show that a
// failed save loses nothing.
#include <map>
#include <set>
#include <string>

#include "store/datafile_format.h"
#include "store/datafile_fs.h"

namespace cgt::test {

enum class FsStep { Create, Write, Flush, Close, Rename, Remove, Read };

class MemoryFileSystem final : public FileSystem {
public:
    std::map<std::string, Bytes> files;
    // Fails the n-th (1-based) occurrence of a step.
    std::set<std::pair<FsStep, int>> failAt;
    std::map<FsStep, int> counts;
    std::vector<std::string> log;

    Bytes ReadAll(const std::filesystem::path& path) override {
        Step(FsStep::Read, path);
        const auto it = files.find(path.string());
        if (it == files.end()) throw EInOutError("Unable to read " + path.string() + ": No such file or directory");
        return it->second;
    }
    std::unique_ptr<OutputFile> Create(const std::filesystem::path& path) override {
        Step(FsStep::Create, path);
        files[path.string()].clear();
        return std::make_unique<File>(*this, path.string());
    }
    void Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        Step(FsStep::Rename, from);
        const auto it = files.find(from.string());
        if (it == files.end()) throw EInOutError("Unable to rename " + from.string());
        Bytes content = std::move(it->second);
        files.erase(it);
        files[to.string()] = std::move(content);
        log.push_back("rename " + from.string() + " -> " + to.string());
    }
    void Remove(const std::filesystem::path& path) override {
        Step(FsStep::Remove, path);
        files.erase(path.string());
        log.push_back("remove " + path.string());
    }
    bool Exists(const std::filesystem::path& path) override { return files.count(path.string()) != 0; }

private:
    void Step(FsStep step, const std::filesystem::path& path) {
        const int n = ++counts[step];
        if (failAt.count({step, n})) throw EInOutError("Injected failure on " + path.string());
    }

    class File final : public OutputFile {
    public:
        File(MemoryFileSystem& fs, std::string name) : fs_(fs), name_(std::move(name)) {}
        void Write(std::span<const std::uint8_t> bytes) override {
            // A failing write leaves part of the bytes behind.
            Bytes& file = fs_.files[name_];
            const auto half = bytes.begin() + std::ptrdiff_t(bytes.size() / 2);
            file.insert(file.end(), bytes.begin(), half);
            fs_.Step(FsStep::Write, name_);
            file.insert(file.end(), half, bytes.end());
        }
        void Flush() override { fs_.Step(FsStep::Flush, name_); }
        void Close() override { fs_.Step(FsStep::Close, name_); }

    private:
        MemoryFileSystem& fs_;
        std::string name_;
    };
};

}  // namespace cgt::test
