// Saves on the real file system: modes, links, locks and saves at once.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "base/clock.h"
#include "store/datafile.h"
#include "store/modulerun.h"
#include "support/scripted_dialogs.h"

namespace cgt {
namespace {

namespace stdfs = std::filesystem;

class SafeSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = stdfs::temp_directory_path() / ("cgt_safe_" + std::to_string(::getpid()) + "_" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        stdfs::remove_all(dir);
        stdfs::create_directories(dir);
        name = (dir / "R.DAT").string();
    }
    void TearDown() override { stdfs::remove_all(dir); }

    std::unique_ptr<ModuleRun> NewRun(test::ScriptedDialogs& d) {
        auto run = std::make_unique<ModuleRun>(d, clock);
        run->identity = "77";
        run->store().SetFieldStr(kTagIdentity, "77");
        return run;
    }
    long double Load(const std::string& file, int tag = 300) {
        test::ScriptedDialogs d;
        auto run = NewRun(d);
        EXPECT_EQ(LoadReturnFile(*run, file), LoadOutcome::Loaded);
        return run->store().GetFieldVal(tag);
    }
    void Save(long double value) {
        auto run = NewRun(dialogs);
        run->store().SetFieldVal(300, value);
        ASSERT_EQ(SaveReturnFile(*run, name), SaveOutcome::Written);
    }
    static unsigned ModeOf(const stdfs::path& p) {
        struct stat st;
        return ::stat(p.c_str(), &st) == 0 ? unsigned(st.st_mode & 0777) : 0u;
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& e : stdfs::directory_iterator(dir)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string Text(const stdfs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    stdfs::path dir;
    std::string name;
    test::ScriptedDialogs dialogs;
    FixedClock clock{2003, 7, 1};
};

TEST_F(SafeSaveTest, ModesAreCreatedOwnerOnlyAndKept) {
    const mode_t old = ::umask(0);
    Save(1);
    ::umask(old);
    EXPECT_EQ(ModeOf(name), 0600u) << "a new return whatever the umask";
    for (const unsigned mode : {0600u, 0640u, 0400u}) {
        stdfs::permissions(name, stdfs::perms(mode));
        Save(mode);
        EXPECT_EQ(ModeOf(name), mode);
        EXPECT_EQ(Load(name), (long double)mode);
    }
}

TEST_F(SafeSaveTest, PlantedLinksAreNeverFollowed) {
    const stdfs::path victim = dir / "victim.txt";
    std::ofstream(victim) << "keep me";
    // At a name that must be new the link counts as taken.
    stdfs::create_symlink(victim, dir / "planted");
    EXPECT_THROW(RealFileSystem().CreateNew(dir / "planted", 0600), EFileExists);
    // At a temporary name of a save, or one like it, a link is neither
    // followed nor removed: only files the saves made themselves go.
    stdfs::create_symlink(victim, dir / "R.DAT.tmp-0000000000000001");
    stdfs::create_symlink(victim, dir / "R.DAT.new");
    std::ofstream(dir / "R.DAT.tmp-mine") << "a file of the user's";
    std::ofstream(dir / "R.DAT.tmp-00000000000000002") << "17 digits: not a save's";
    std::ofstream(dir / "R.DAT.tmp-00000000000000ab") << "left by a killed save";
    Save(1);
    Save(2);
    EXPECT_EQ(Text(victim), "keep me");
    EXPECT_EQ(Names(),
              (std::vector<std::string>{"R.BAK", "R.DAT", "R.DAT.new", "R.DAT.tmp-00000000000000002",
                                        "R.DAT.tmp-0000000000000001", "R.DAT.tmp-mine", "planted", "victim.txt"}));
    EXPECT_EQ(Load(name), 2.0L);
}

TEST_F(SafeSaveTest, CompanionNamesAreReadButNeverDeletedOrWritten) {
    Save(5);
    for (const char* other : {"R.SEC", "r.sec", "R.BAK", "r.Bak"}) {
        const stdfs::path copy = dir / other;
        stdfs::copy_file(name, copy, stdfs::copy_options::overwrite_existing);
        EXPECT_EQ(Load(copy.string()), 5.0L) << other;
        EXPECT_TRUE(stdfs::exists(copy)) << other << " was deleted by reading it";

        auto run = NewRun(dialogs);
        try {
            SaveReturnFile(*run, copy.string());
            ADD_FAILURE() << other << " written";
        } catch (const EInOutError& e) {
            EXPECT_EQ(std::string(e.what()), CompanionNameMessage(copy.string()));
        }
        EXPECT_EQ(Load(copy.string()), 5.0L) << other;
    }
}

// What cannot be a return is refused at once with the reason, the name the
// user gave and nothing else; nothing blocks and nothing is read without end.
TEST_F(SafeSaveTest, WhatIsNoFileIsRefusedAtOnceWithTheReason) {
    const stdfs::path fifo = dir / "pipe", link = dir / "R.DAT.lock";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    Save(1);
    stdfs::create_symlink(dir / "elsewhere", link);
    const struct {
        const char* what;
        std::function<void()> step;
        std::string message;
    } cases[] = {
        {"a pipe", [&] { RealFileSystem().ReadAll(fifo); },
         "cannot read " + fifo.string() + ": it is a pipe, not a file"},
        {"a device", [&] { RealFileSystem().ReadAll("/dev/zero"); },
         "cannot read /dev/zero: it is a device, not a file"},
        {"a folder", [&] { RealFileSystem().ReadAll(dir); }, "cannot read " + dir.string() + ": Is a directory"},
        {"no name", [&] { RealFileSystem().ReadAll(""); }, "cannot read: no file name was given"},
        {"a link at the lock", [&] { ReturnLock lock(name); },
         "cannot lock " + name + ": its lock file " + link.string() + " is a link, which a lock never is (remove it)"},
        {"a missing folder", [&] { ReturnLock lock((dir / "none" / "R.DAT").string()); },
         "cannot lock " + (dir / "none" / "R.DAT").string() + ": the folder " + (dir / "none").string() +
             " does not exist"},
    };
    for (const auto& c : cases) {
        try {
            c.step();
            ADD_FAILURE() << c.what << ": no error";
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.what(), c.message) << c.what;
        }
    }
    EXPECT_EQ(Load(name), 1.0L);
    EXPECT_EQ(Names(), (std::vector<std::string>{"R.DAT", "R.DAT.lock", "pipe"}));
}

// A full disk or a file size limit is an error naming the file given, never
// the temporary one; the file and its ".BAK" are as they were.
TEST_F(SafeSaveTest, ARefusedWriteNamesTheReturnAndKeepsIt) {
    Save(1);
    Save(2);
    const std::string before = Text(name), backup = Text(dir / "R.BAK");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Only the child's files are limited; its exit status is the verdict.
        ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit {
            100, 100
        };
        ::setrlimit(RLIMIT_FSIZE, &limit);
        test::ScriptedDialogs d;
        auto run = NewRun(d);
        run->store().SetFieldStr(301, std::string(200, 'x'));
        try {
            SaveReturnFile(*run, name);
        } catch (const EInOutError& e) {
            ::_exit(std::string(e.what()) == "cannot write " + name + ": File too large" ? 0 : 2);
        }
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: saved past the limit; 2: another message";
    EXPECT_EQ(Text(name), before);
    EXPECT_EQ(Text(dir / "R.BAK"), backup);
    EXPECT_EQ(Names(), (std::vector<std::string>{"R.BAK", "R.DAT"}));
}

TEST_F(SafeSaveTest, ASecondLockWaitsThenFails) {
    Save(1);
    {
        ReturnLock first(name);
        try {
            ReturnLock second(name, std::chrono::milliseconds(50));
            ADD_FAILURE() << "two holders";
        } catch (const EInOutError& e) {
            EXPECT_EQ(std::string(e.what()), InUseMessage(name));
        }
    }
    EXPECT_NO_THROW(ReturnLock again(name, std::chrono::milliseconds(0)));
    EXPECT_EQ(Names(), (std::vector<std::string>{"R.DAT"})) << "the lock file goes with the lock";
}

// Load, add one, save, from several threads at once: every save that
// reported success is counted in the file, and the file always loads.
TEST_F(SafeSaveTest, SavesAtOnceLoseNothing) {
    Save(0);
    constexpr int kThreads = 4, kRounds = 60;
    std::atomic<int> succeeded{0}, refused{0}, broken{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < kRounds; ++i) {
                test::ScriptedDialogs d;
                auto run = NewRun(d);
                try {
                    ReturnLock lock(name, std::chrono::seconds(20));
                    if (LoadReturnFile(*run, name) != LoadOutcome::Loaded) {
                        ++broken;
                        continue;
                    }
                    run->store().SetFieldVal(300, run->store().GetFieldVal(300) + 1);
                    SaveReturnFile(*run, name);
                    ++succeeded;
                } catch (const EInOutError&) {
                    ++refused;
                }
            }
        });
    for (auto& t : threads) t.join();
    EXPECT_EQ(broken, 0);
    EXPECT_EQ(succeeded + refused, kThreads * kRounds);
    EXPECT_GT(succeeded, 0);
    EXPECT_EQ(Load(name), (long double)succeeded.load());
    EXPECT_EQ(Load((dir / "R.BAK").string()), (long double)succeeded.load() - 1);
    EXPECT_EQ(Names(), (std::vector<std::string>{"R.BAK", "R.DAT"}));
}

}  // namespace
}  // namespace cgt
