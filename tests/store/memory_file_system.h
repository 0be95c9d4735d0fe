#pragma once
// A file system in memory whose steps can be made to fail, to show that a
// failed save loses nothing.
#include <map>
#include <set>
#include <string>

#include "store/datafile_format.h"
#include "store/datafile_fs.h"

namespace cgt::test {

enum class FsStep { Create, Write, Flush, Close, Rename, Remove, Read, Link };

// Thrown by every step after a simulated kill; nothing catches it on the way.
struct Killed {};

class MemoryFileSystem final : public FileSystem {
public:
    // After `n` more changing steps the process "dies"; -1 never.
    void KillAfter(int n) {
        killAfter_ = n;
        changes_ = 0;
    }
    std::map<std::string, Bytes> files;
    std::map<std::string, unsigned> modes;
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
    std::unique_ptr<OutputFile> CreateNew(const std::filesystem::path& path, unsigned mode) override {
        Step(FsStep::Create, path);
        if (files.count(path.string())) throw EFileExists("create", path.string(), "it exists already");
        files[path.string()];
        modes[path.string()] = mode;
        return std::make_unique<File>(*this, path.string());
    }
    void Link(const std::filesystem::path& from, const std::filesystem::path& to) override {
        Step(FsStep::Link, from);
        const auto it = files.find(from.string());
        if (it == files.end()) throw EInOutError("Unable to link " + from.string());
        if (files.count(to.string())) throw EFileExists("create", to.string(), "it exists already");
        files[to.string()] = it->second;
        if (const auto m = modes.find(from.string()); m != modes.end()) modes[to.string()] = m->second;
        log.push_back("link " + from.string() + " -> " + to.string());
    }
    std::optional<unsigned> Mode(const std::filesystem::path& path) override {
        if (!files.count(path.string())) return std::nullopt;
        const auto it = modes.find(path.string());
        return it == modes.end() ? 0644u : it->second;
    }
    std::vector<std::filesystem::path> List(const std::filesystem::path& folder) override {
        std::vector<std::filesystem::path> names;
        for (const auto& [name, content] : files)
            if (std::filesystem::path(name).parent_path() == folder)
                names.push_back(std::filesystem::path(name).filename());
        return names;
    }
    void Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        Step(FsStep::Rename, from);
        const auto it = files.find(from.string());
        if (it == files.end()) throw EInOutError("Unable to rename " + from.string());
        Bytes content = std::move(it->second);
        files.erase(it);
        files[to.string()] = std::move(content);
        if (const auto m = modes.find(from.string()); m != modes.end()) {
            modes[to.string()] = m->second;
            modes.erase(m);
        } else {
            modes.erase(to.string());
        }
        log.push_back("rename " + from.string() + " -> " + to.string());
    }
    void Remove(const std::filesystem::path& path) override {
        Step(FsStep::Remove, path);
        files.erase(path.string());
        modes.erase(path.string());
        log.push_back("remove " + path.string());
    }
    bool Exists(const std::filesystem::path& path) override { return files.count(path.string()) != 0; }
    bool IsPlainFile(const std::filesystem::path& path) override { return Exists(path); }

private:
    void Step(FsStep step, const std::filesystem::path& path) {
        if (killAfter_ >= 0 && step != FsStep::Read && changes_++ >= killAfter_) throw Killed{};
        const int n = ++counts[step];
        if (failAt.count({step, n})) throw EInOutError("Injected failure on " + path.string());
    }

    int killAfter_ = -1;
    int changes_ = 0;

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
