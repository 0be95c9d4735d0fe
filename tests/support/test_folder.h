#pragma once
// A folder of one test's own under the temporary folder, named by the
// process and the test so that tests running at once never share one, made
// empty at the start and removed at the end; and what a folder holds, to
// show that a refused step changed nothing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>

namespace cgt::test {

class TestFolder {
public:
    explicit TestFolder(const std::string& prefix)
        : path_(std::filesystem::temp_directory_path() /
                (prefix + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TestFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string Path(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline std::string FileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every name in the folder with its size and a digest of its bytes (a link
// as "-> target"), short enough to read when a comparison fails.
inline std::map<std::string, std::string> FolderContents(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    std::map<std::string, std::string> files;
    for (const auto& e : fs::directory_iterator(folder)) {
        const std::string name = e.path().filename().string();
        if (fs::is_symlink(fs::symlink_status(e.path()))) {
            files[name] = "-> " + fs::read_symlink(e.path()).string();
            continue;
        }
        const std::string bytes = fs::is_regular_file(e.path()) ? FileBytes(e.path()) : std::string("(not a file)");
        files[name] = std::to_string(bytes.size()) + " bytes, " + std::to_string(std::hash<std::string>{}(bytes));
    }
    return files;
}

}  // namespace cgt::test
