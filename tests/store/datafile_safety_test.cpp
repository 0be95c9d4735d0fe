// Saves on the real file system: modes, links, locks and saves at once.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
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
    EXPECT_EQ(Names(), (std::vector<std::string>{"R.BAK", "R.DAT", "R.DAT.new", "R.DAT.tmp-00000000000000002",
                                                 "R.DAT.tmp-0000000000000001", "R.DAT.tmp-mine", "planted",
                                                 "victim.txt"}));
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
