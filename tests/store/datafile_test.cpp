#include "store/datafile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "base/clock.h"
#include "store/memory_file_system.h"
#include "store/modulerun.h"
#include "support/scripted_dialogs.h"

namespace cgt {
namespace {

using test::FsStep;

constexpr const char* kName = "ret.dat";

class ReturnFileTest : public ::testing::Test {
protected:
    std::unique_ptr<ModuleRun> NewRun(const std::string& identity) {
        auto run = std::make_unique<ModuleRun>(dialogs, clock);
        run->identity = identity;
        run->store().SetFieldStr(kTagIdentity, identity);
        return run;
    }

    // A return with something of every kind, saved under kName.
    void SaveSample(ModuleRun& run) {
        FieldStore& s = run.store();
        s.SetFieldVal(300, 1234.5L);
        s.SetFieldStr(301, "a longer piece of text");
        s.SetFieldChecked(302);
        s.SetFieldLst(399, std::make_shared<TextList>(TextList{"first note", "second"}));
        auto items = s.EnsureWorksheetList(451);
        Slot name;
        name.type = dtSmallStr;
        name.smallText = "BHP";
        items->push_back({1, 710, name});
        run.section = 20;
        run.screenIndex = 9;
        run.history = {2004, 2007};
        ASSERT_EQ(SaveReturnFile(run, kName, fs), SaveOutcome::Written);
    }

    Bytes Plain(const std::string& file, const std::string& keyText) {
        return DecryptBytes(fs.files.at(file), ReturnFileKey(keyText));
    }

    test::ScriptedDialogs dialogs;
    FixedClock clock{2003, 7, 1};
    test::MemoryFileSystem fs;
};

TEST_F(ReturnFileTest, SavedReturnLoadsBackWithTheSameDigits) {
    auto run = NewRun("TFN 123 456 789");
    SaveSample(*run);
    EXPECT_EQ(run->store().GetFieldStr(kTagFileKind), "EI");
    EXPECT_EQ(run->store().GetFieldVal(kTagFileVersion), 60012.0L);
    EXPECT_EQ(fs.files.size(), 1u) << "only the data file is left";

    // The file is the store's plain content under the key of field 1's digits.
    const ReturnPosition position{20, 9, {2004, 2007}};
    EXPECT_EQ(Plain(kName, "123456789"), WriteReturnContent(run->store(), position));

    auto loaded = NewRun("123-456-789");
    loaded->store().SetFieldVal(500, 1);  // loading empties the store first
    LoadReturnFile(*loaded, kName, fs);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(loaded->fileLoaded);
    EXPECT_EQ(loaded->currentFileName, kName);
    EXPECT_EQ(loaded->section, 20);
    EXPECT_EQ(loaded->screenIndex, 9);
    EXPECT_EQ(loaded->history, (std::vector<std::int32_t>{2004, 2007}));
    FieldStore& s = loaded->store();
    EXPECT_EQ(s.GetFieldStr(kTagIdentity), "TFN 123 456 789");
    EXPECT_EQ(s.GetFieldVal(300), 1234.5L);
    EXPECT_EQ(s.GetFieldStr(301), "a longer piece of text");
    EXPECT_TRUE(s.FieldChecked(302));
    EXPECT_EQ(*s.GetFieldLst(399), (TextList{"first note", "second"}));
    EXPECT_EQ(s.WorksheetCount(451), 1);
    EXPECT_EQ(s.GetFieldStr(kTagFileKind), "EI");
    EXPECT_EQ(s.GetFieldVal(kTagFileVersion), 60012.0L);
    EXPECT_EQ(s.GetFieldVal(500), 0.0L);
}

TEST_F(ReturnFileTest, WrongIdentityShowsUnableToOpenAndKeepsTheStore) {
    auto run = NewRun("111");
    SaveSample(*run);
    auto other = NewRun("222");
    other->section = 5;
    other->screenIndex = 6;
    other->fileLoaded = true;
    LoadReturnFile(*other, kName, fs);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Unable to open file - ret.dat");
    EXPECT_EQ(dialogs.shown[0].icon, MsgIcon::Error);
    EXPECT_EQ(dialogs.shown[0].buttons, MsgButtons::Ok);
    EXPECT_FALSE(other->fileLoaded);
    EXPECT_EQ(other->currentFileName, "");
    EXPECT_EQ(other->section, 0);
    EXPECT_EQ(other->screenIndex, 0);
    EXPECT_EQ(other->store().GetFieldStr(kTagIdentity), "222");
    EXPECT_EQ(other->store().FieldType(300), dtNone);
}

// A run that could not read its file whole never saves over it, by any form
// of its name (other names it may).
TEST_F(ReturnFileTest, AFileNotReadWholeIsNeverWrittenOver) {
    FieldStore damaged;
    damaged.SetFieldVal(7, 1);
    Bytes badTag = WriteReturnContent(damaged, ReturnPosition{});
    for (const std::uint8_t b : {0xD0, 0x07, 0x00, 0x00, 0x02}) badTag.push_back(b);  // tag 2000
    Bytes cut = WriteReturnContent(damaged, ReturnPosition{});
    cut.resize(cut.size() - 3);

    const struct {
        const char* what;
        Bytes content;
        const char* identity;
    } cases[] = {
        {"another identity", WriteReturnContent(damaged, ReturnPosition{}), "222"},
        {"a bad tag", badTag, "111"},
        {"a record cut short", cut, "111"},
    };
    const std::string absolute = std::filesystem::absolute(kName).string();
    for (const auto& c : cases) {
        fs = test::MemoryFileSystem();
        fs.files[kName] = EncryptBytes(c.content, ReturnFileKey("111"));
        const Bytes saved = fs.files.at(kName);
        auto other = NewRun(c.identity);
        try {
            EXPECT_NE(LoadReturnFile(*other, kName, fs), LoadOutcome::Loaded) << c.what;
        } catch (const EInOutError&) {
        }
        EXPECT_EQ(other->unreadableFile, absolute) << c.what;
        for (const std::string& name : {std::string(kName), "./" + std::string(kName), absolute}) {
            try {
                SaveReturnFile(*other, name, fs);
                ADD_FAILURE() << c.what << ": written over as " << name;
            } catch (const EInOutError& e) {
                EXPECT_EQ(e.what(), NotWrittenOverMessage(name)) << c.what;
            }
        }
        EXPECT_EQ(fs.files.at(kName), saved) << c.what;
        EXPECT_EQ(fs.files.size(), 1u) << c.what;
        EXPECT_EQ(SaveReturnFile(*other, "elsewhere.dat", fs), SaveOutcome::Written) << c.what;
    }
}

TEST_F(ReturnFileTest, KeyTextRules) {
    auto run = NewRun("555");
    SaveSample(*run);

    // A run that opened no file keys by field 1, not by the identity given to it.
    run->identity = "999";
    run->store().SetFieldVal(300, 1);
    SaveReturnFile(*run, kName, fs);
    EXPECT_EQ(Plain(kName, "555"), WriteReturnContent(run->store(), {20, 9, {2004, 2007}}));

    // Once a file is opened, its key keys every save: field 1 changed (or
    // emptied) is told, not followed.
    for (const char* field1 : {"No. 777", ""}) {
        auto opened = NewRun("555");
        ASSERT_EQ(LoadReturnFile(*opened, kName, fs), LoadOutcome::Loaded);
        EXPECT_FALSE(IdentityFieldDisagrees(*opened));
        opened->store().SetFieldStr(kTagIdentity, field1);
        EXPECT_TRUE(IdentityFieldDisagrees(*opened)) << field1;
        SaveReturnFile(*opened, kName, fs);
        EXPECT_EQ(Plain(kName, "555"), WriteReturnContent(opened->store(), {20, 9, {2004, 2007}})) << field1;
        opened->store().SetFieldStr(kTagIdentity, "555");
        EXPECT_FALSE(IdentityFieldDisagrees(*opened));
        SaveReturnFile(*opened, kName, fs);
    }

    // A run that has loaded a file and has no identity text keys by field 1.
    auto again = NewRun("");
    again->store().SetFieldStr(kTagIdentity, "No. 555");
    again->fileLoaded = true;
    LoadReturnFile(*again, kName, fs);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(again->store().GetFieldVal(300), 1.0L);

    // Without a loaded file, an empty identity is the empty key text.
    auto fresh = NewRun("");
    fresh->store().SetFieldStr(kTagIdentity, "555");
    LoadReturnFile(*fresh, kName, fs);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Unable to open file - ret.dat"});
}

TEST_F(ReturnFileTest, LodgedReturnIsWrittenOnceWithTheMarkerThenNeverAgain) {
    auto run = NewRun("42");
    run->store().SetFieldStr(kTagLodgeDate, "01/11/2003");
    run->store().SetFieldStr(kTagLodgeReference, "ABC123");
    run->store().SetFieldStr(kTagLodgeTime, "10:15");
    EXPECT_EQ(SaveReturnFile(*run, kName, fs), SaveOutcome::Written);
    EXPECT_EQ(run->store().FieldAsText(kTagLodgedFileMarker), "999999999");
    auto loaded = NewRun("42");
    LoadReturnFile(*loaded, kName, fs);
    EXPECT_EQ(loaded->store().GetFieldStr(kTagLodgedFileMarker), "999999999");

    const Bytes written = fs.files.at(kName);
    run->store().SetFieldVal(300, 77);
    EXPECT_EQ(SaveReturnFile(*run, kName, fs), SaveOutcome::Lodged);
    EXPECT_EQ(SaveReturnFile(*loaded, kName, fs), SaveOutcome::Lodged);
    EXPECT_EQ(fs.files.at(kName), written);
    EXPECT_EQ(fs.files.size(), 1u);

    // Without all three lodgment fields there is no marker.
    auto partial = NewRun("42");
    partial->store().SetFieldStr(kTagLodgeDate, "01/11/2003");
    partial->store().SetFieldStr(kTagLodgeReference, "ABC123");
    SaveReturnFile(*partial, "other.dat", fs);
    EXPECT_EQ(partial->store().FieldType(kTagLodgedFileMarker), dtNone);
}

TEST_F(ReturnFileTest, AnEmptyNameIsReportedOnlyInHelpDeskMode) {
    auto run = NewRun("42");
    EXPECT_EQ(SaveReturnFile(*run, "", fs), SaveOutcome::NoName);
    EXPECT_TRUE(dialogs.shown.empty());
    run->SetHelpDesk(true);
    EXPECT_EQ(SaveReturnFile(*run, "", fs), SaveOutcome::NoName);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"SaveOpen - Trying to save a file with no name"});
    EXPECT_TRUE(fs.files.empty());
}

TEST_F(ReturnFileTest, HelpDeskSaveWritesTheFieldListing) {
    auto run = NewRun("42");
    run->SetHelpDesk(true);
    run->store().SetFieldVal(300, 12.25L);
    run->store().SetFieldChecked(302);
    SaveReturnFile(*run, kName, fs);
    const Bytes& listing = fs.files.at(kListingFileName);
    EXPECT_EQ(std::string(listing.begin(), listing.end()),
              "1 smallstring 42\r\n300 Currency 12.25\r\n302 Checkbox \r\n960 Currency 60012\r\n"
              "1300 smallstring EI\r\n");
}

// Plain content exists only in memory, so a ".SEC" beside the return is a
// file of the user's (say, what `cgt decrypt` wrote): loads and saves leave it.
TEST_F(ReturnFileTest, PlainContentNeverReachesTheDiskAndNoCompanionIsDeleted) {
    const Bytes users{'p', 'l', 'a', 'i', 'n'};
    fs.files["ret.SEC"] = users;
    auto run = NewRun("42");
    SaveSample(*run);
    auto loaded = NewRun("42");
    LoadReturnFile(*loaded, kName, fs);
    SaveReturnFile(*loaded, kName, fs);
    EXPECT_EQ(fs.files.at("ret.SEC"), users);
    EXPECT_EQ(fs.counts[FsStep::Remove], 0) << "nothing was deleted";
    EXPECT_EQ(fs.counts[FsStep::Create], 2) << "only the temporary file of each save was created";
    const Bytes plain = WriteReturnContent(loaded->store(), {20, 9, {2004, 2007}});
    for (const auto& [name, content] : fs.files) {
        EXPECT_NE(content, plain) << name;
    }
}

TEST_F(ReturnFileTest, EverySaveKeepsThePreviousContentAsBak) {
    auto run = NewRun("42");
    SaveSample(*run);
    const Bytes first = fs.files.at(kName);
    EXPECT_EQ(fs.files.count("ret.BAK"), 0u);
    run->store().SetFieldVal(300, 99);
    SaveReturnFile(*run, kName, fs);
    EXPECT_EQ(fs.files.at("ret.BAK"), first);
    EXPECT_NE(fs.files.at(kName), first);
}

// A failure at any step of a save is an error naming the return; the return
// is as it was, and so is its ".BAK" unless the previous content had already
// taken that name.
TEST_F(ReturnFileTest, AFailedStepLosesNothing) {
    const struct {
        const char* what;
        std::set<std::pair<FsStep, int>> fail;
        bool backupIsThePreviousReturn;
    } cases[] = {
        {"create", {{FsStep::Create, 1}}, false},
        {"write", {{FsStep::Write, 1}}, false},
        {"flush", {{FsStep::Flush, 1}}, false},
        {"close", {{FsStep::Close, 1}}, false},
        {"second name", {{FsStep::Link, 1}}, false},
        {"rename over the backup", {{FsStep::Rename, 1}}, false},
        {"rename over the return", {{FsStep::Rename, 2}}, true},
    };
    for (const auto& c : cases) {
        fs = test::MemoryFileSystem();
        auto run = NewRun("42");
        run->store().SetFieldVal(300, 1);
        ASSERT_EQ(SaveReturnFile(*run, kName, fs), SaveOutcome::Written);
        SaveSample(*run);
        const Bytes previous = fs.files.at(kName);
        const Bytes backup = fs.files.at("ret.BAK");

        run->store().SetFieldVal(300, 555);
        fs.failAt = c.fail;
        fs.counts.clear();
        try {
            SaveReturnFile(*run, kName, fs);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const EInOutError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("cannot write ret.dat: ", 0), 0u) << c.what << ": " << e.what();
        }
        fs.failAt.clear();

        EXPECT_EQ(fs.files.at(kName), previous) << c.what;
        EXPECT_EQ(fs.files.at("ret.BAK"), c.backupIsThePreviousReturn ? previous : backup) << c.what;
        EXPECT_EQ(fs.files.size(), 2u) << c.what << ": a temporary file was left";
    }
}

// A kill between any two steps of a save leaves the return's name loadable
// and the previous return under a name of its own (the return's or ".BAK"),
// never only in a temporary file; the next save tidies what the killed one
// left without losing it.
TEST_F(ReturnFileTest, AKilledSaveKeepsThePreviousReturnReachableAtEveryStep) {
    for (int steps = 0;; ++steps) {
        fs = test::MemoryFileSystem();
        auto run = NewRun("42");
        SaveSample(*run);
        run->store().SetFieldVal(300, 2);
        SaveReturnFile(*run, kName, fs);
        const Bytes previous = fs.files.at(kName);

        // The kill: the steps after the first `steps` ones never happen.
        test::MemoryFileSystem killed = fs;
        killed.KillAfter(steps);
        run->store().SetFieldVal(300, 3);
        bool finished = true;
        try {
            SaveReturnFile(*run, kName, killed);
        } catch (const test::Killed&) {
            finished = false;
        }
        killed.KillAfter(-1);
        EXPECT_TRUE(killed.files.at(kName) == previous || killed.files.at("ret.BAK") == previous)
            << steps << ": the previous return is only in a temporary file";
        auto loaded = NewRun("42");
        ASSERT_EQ(LoadReturnFile(*loaded, kName, killed), LoadOutcome::Loaded) << steps;
        const long double value = loaded->store().GetFieldVal(300);
        EXPECT_TRUE(value == 2 || value == 3) << steps;

        // The next save: what the name held becomes ".BAK", nothing else stays.
        const Bytes held = killed.files.at(kName);
        run->store().SetFieldVal(300, 4);
        SaveReturnFile(*run, kName, killed);
        EXPECT_EQ(killed.files.size(), 2u) << steps << ": the killed save's files were not tidied";
        EXPECT_EQ(killed.files.at("ret.BAK"), held) << steps;
        if (finished) break;
    }
}

TEST_F(ReturnFileTest, AFailedFirstSaveLeavesNoFile) {
    auto run = NewRun("42");
    fs.failAt = {{FsStep::Write, 1}};
    EXPECT_THROW(SaveReturnFile(*run, kName, fs), EInOutError);
    EXPECT_TRUE(fs.files.empty());
}

TEST_F(ReturnFileTest, ShortMissingAndDamagedFiles) {
    auto run = NewRun("42");
    fs.files[kName] = Bytes(7, 0);
    EXPECT_THROW(LoadReturnFile(*run, kName, fs), ECipherException);
    fs.files.erase(kName);
    EXPECT_THROW(LoadReturnFile(*run, kName, fs), EInOutError);

    // A record cut short ends the load with an error naming the file; the
    // records before it stay.
    ReturnPosition position;
    FieldStore source;
    source.SetFieldVal(7, 1);
    source.SetFieldStr(8, "abcdefghijkl");
    Bytes plain = WriteReturnContent(source, position);
    plain.resize(plain.size() - 3);
    fs.files[kName] = EncryptBytes(plain, ReturnFileKey("42"));
    try {
        LoadReturnFile(*run, kName, fs);
        ADD_FAILURE() << "damaged file accepted";
    } catch (const EInOutError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Damaged data file: ", 0), 0u) << e.what();
    }
    EXPECT_EQ(run->store().GetFieldVal(7), 1.0L);
    EXPECT_TRUE(run->fileLoaded);
}

TEST_F(ReturnFileTest, BadTagIsReportedAndTheFieldsBeforeItStay) {
    FieldStore source;
    source.SetFieldVal(7, 1);
    Bytes plain = WriteReturnContent(source, ReturnPosition{});
    for (const std::uint8_t b : {0xD0, 0x07, 0x00, 0x00, 0x02}) plain.push_back(b);  // tag 2000
    fs.files[kName] = EncryptBytes(plain, ReturnFileKey("42"));
    auto run = NewRun("42");
    LoadReturnFile(*run, kName, fs);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Error reading file, field tag = 2000 last tag = 7"});
    EXPECT_EQ(run->store().GetFieldVal(7), 1.0L);
    EXPECT_TRUE(run->fileLoaded);

    // With no good record before it the last tag is 0 and nothing counts as loaded.
    dialogs.shown.clear();
    Bytes bare = WriteReturnContent(FieldStore(), ReturnPosition{});
    for (const std::uint8_t b : {0xD0, 0x07, 0x00, 0x00}) bare.push_back(b);
    fs.files[kName] = EncryptBytes(bare, ReturnFileKey("42"));
    auto second = NewRun("42");
    LoadReturnFile(*second, kName, fs);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Error reading file, field tag = 2000 last tag = 0"});
    EXPECT_FALSE(second->fileLoaded);
}

TEST_F(ReturnFileTest, AReturnWithoutFieldsLoadsAsAnEmptyStore) {
    fs.files[kName] = EncryptBytes(WriteReturnContent(FieldStore(), ReturnPosition{3, 4, {}}), ReturnFileKey("1"));
    auto run = NewRun("1");
    LoadReturnFile(*run, kName, fs);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(run->fileLoaded);
    EXPECT_EQ(run->section, 3);
    for (int tag = kFirstTag; tag <= kLastTag; ++tag) ASSERT_TRUE(run->store().FieldIsEmpty(tag)) << tag;
}

// The same through the real file system, in a folder of its own.
TEST_F(ReturnFileTest, RealFilesAreReplacedWithABackupAndNothingElse) {
    namespace stdfs = std::filesystem;
    const stdfs::path dir = stdfs::temp_directory_path() / ("cgt_datafile_" + std::to_string(::getpid()));
    stdfs::remove_all(dir);
    stdfs::create_directories(dir);
    const std::string name = (dir / "RETURN.DAT").string();
    std::ofstream(dir / "RETURN.SEC") << "a file of the user's";

    auto run = NewRun("8");
    run->store().SetFieldVal(300, 1);
    SaveReturnFile(*run, name);
    run->store().SetFieldVal(300, 2);
    SaveReturnFile(*run, name);

    std::vector<std::string> names;
    for (const auto& entry : stdfs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"RETURN.BAK", "RETURN.DAT", "RETURN.SEC"}));

    auto loaded = NewRun("8");
    LoadReturnFile(*loaded, name);
    EXPECT_EQ(loaded->store().GetFieldVal(300), 2.0L);
    LoadReturnFile(*loaded, (dir / "RETURN.BAK").string());
    EXPECT_EQ(loaded->store().GetFieldVal(300), 1.0L);
    stdfs::remove_all(dir);
}

}  // namespace
}  // namespace cgt
