// No command may lose a return: each refusal and failure is one line naming
// the file the user gave with the reason, and leaves the return, its .BAK
// and the folder exactly as they were.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "base/clock.h"
#include "base/dialogs.h"
#include "run_cgt.h"
#include "store/datafile.h"
#include "store/modulerun.h"
#include "store/tags.h"
#include "support/test_folder.h"
#include "test_returns.h"

namespace cgt {
namespace {

namespace fs = std::filesystem;

// `cgt print` is there only where the report layer is built.
#ifdef CGT_WITH_REPORT
constexpr bool kPrints = true;
#else
constexpr bool kPrints = false;
#endif

bool Skipped(const std::vector<std::string>& args) {
    return !kPrints && !args.empty() && args[0] == "print";
}

struct Result {
    int status;
    std::string out, err;
};

class ReturnSafetyTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = root.path() / "returns";
        fs::create_directories(dir);
        fs::create_directories(root.path() / "io");
        ret = Path("r.RET");
        ASSERT_EQ(Run({"import", ret, "--id", "42"}, test::kOneParcelReturn).status, 0);
        ASSERT_EQ(Run({"calc", ret, "--id", "42", "--save"}).status, 0);
    }

    std::string Path(const std::string& name) const { return (dir / name).string(); }

    // The real program, with `prefix` (a shell command such as `ulimit -f 8;`)
    // before it; its standard streams are kept outside the return's folder.
    Result Run(const std::vector<std::string>& args, const std::string& input = "", const std::string& prefix = "") {
        const fs::path io = root.path() / "io";
        std::ofstream(io / "in", std::ios::binary) << input;
        std::string command = prefix + test::ShellQuote(CGT_EXE);
        for (const auto& a : args) command += " " + test::ShellQuote(a);
        command += " <" + test::ShellQuote((io / "in").string()) + " >" + test::ShellQuote((io / "out").string()) +
                   " 2>" + test::ShellQuote((io / "err").string());
        const int raw = std::system(("/bin/bash -c " + test::ShellQuote(command)).c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Read(io / "out"), Read(io / "err")};
    }
    static std::string Read(const fs::path& p) { return test::FileBytes(p); }
    std::map<std::string, std::string> Folder() const { return test::FolderContents(dir); }
    static unsigned ModeOf(const std::string& p) {
        struct stat st;
        return ::stat(p.c_str(), &st) == 0 ? unsigned(st.st_mode & 0777) : 0u;
    }

    test::TestFolder root{"cgt_safety_"};
    fs::path dir;
    std::string ret;
};

// --pdf never takes the place of the return or its companions, nor of any
// other file unless told; a link at its name is never followed.
TEST_F(ReturnSafetyTest, APrintoutNeverTakesTheReturnsPlace) {
    if (!kPrints) GTEST_SKIP() << "cgt print is built with the report layer";
    std::ofstream(Path("old.pdf")) << "an older printout";
    std::ofstream(root.path() / "victim") << "keep me";
    fs::create_symlink(root.path() / "victim", Path("linked.pdf"));
    const auto before = Folder();
    const std::string bak = Path("r.BAK"), lock = Path("r.RET.lock");
    const struct {
        std::string pdf;
        bool force;
        std::string line;
    } refused[] = {
        {ret, false, "cgt print: not printed: --pdf " + ret + " names the return itself"},
        {ret, true, "cgt print: not printed: --pdf " + ret + " names the return itself"},
        {(dir / "." / "r.RET").string(), true,
         "cgt print: not printed: --pdf " + (dir / "." / "r.RET").string() + " names the return itself"},
        {bak, true, "cgt print: not printed: --pdf " + bak + " names the return's backup"},
        {lock, true, "cgt print: not printed: --pdf " + lock + " names the return's lock file"},
        {Path("old.pdf"), false, "cgt print: not printed: " + Path("old.pdf") + " exists (--force replaces it)"},
        {Path("linked.pdf"), false, "cgt print: not printed: " + Path("linked.pdf") + " exists (--force replaces it)"},
    };
    for (const auto& c : refused) {
        std::vector<std::string> args{"print", "schedule", ret, "--id", "42", "--pdf", c.pdf};
        if (c.force) args.push_back("--force");
        const Result r = Run(args);
        EXPECT_EQ(r.status, 1) << c.pdf;
        EXPECT_EQ(r.err, c.line + "\n");
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(Folder(), before) << c.pdf;
    }

    // Told to, it replaces a file and a link (not what the link leads to),
    // owner-only whatever the umask.
    for (const char* name : {"old.pdf", "linked.pdf", "new.pdf"}) {
        const Result r =
            Run({"print", "schedule", ret, "--id", "42", "--pdf", Path(name), "--force"}, "", "umask 022;");
        EXPECT_EQ(r.status, 0) << name << r.err;
        EXPECT_EQ(Read(Path(name)).substr(0, 5), "%PDF-") << name;
        EXPECT_FALSE(fs::is_symlink(fs::symlink_status(Path(name)))) << name;
        EXPECT_EQ(ModeOf(Path(name)), 0600u) << name;
    }
    EXPECT_EQ(Read(root.path() / "victim"), "keep me");
    auto after = Folder();
    for (const char* name : {"old.pdf", "linked.pdf", "new.pdf"}) after.erase(name);
    auto kept = before;
    for (const char* name : {"old.pdf", "linked.pdf"}) kept.erase(name);
    EXPECT_EQ(after, kept) << "nothing else was touched or left";
}

// A full disk or a file size limit while writing is a failure that names the
// file and the reason; nothing cut is left and what was there stays.
TEST_F(ReturnSafetyTest, AWriteCutShortIsAFailureThatKeepsWhatWasThere) {
    if (kPrints) {
        ASSERT_EQ(Run({"print", "schedule", ret, "--id", "42", "--pdf", Path("s.pdf")}).status, 0);
    }
    ASSERT_EQ(Run({"calc", ret, "--id", "42", "--save"}).status, 0);
    const auto before = Folder();
    const std::string limit = "ulimit -f 1;";  // 1 KiB: less than either file
    const struct {
        std::vector<std::string> args;
        std::string line;
    } cases[] = {
        {{"print", "schedule", ret, "--id", "42", "--pdf", Path("s.pdf"), "--force"},
         "cgt print: cannot write " + Path("s.pdf") + ": File too large"},
        {{"calc", ret, "--id", "42", "--save"}, "cgt calc: cannot write " + ret + ": File too large"},
        {{"import", ret, "--id", "42"}, "cgt import: cannot write " + ret + ": File too large"},
    };
    // A return of a few kilobytes: notes of a hundred lines.
    std::string notes = R"({"fields":{"399":[)";
    for (int i = 0; i < 100; ++i) notes += (i ? ",\"" : "\"") + std::string(40, 'n') + "\"";
    notes += "]}}";
    for (const auto& c : cases) {
        if (Skipped(c.args)) continue;
        const Result r = Run(c.args, notes, limit);
        EXPECT_EQ(r.status, 1) << c.line;
        EXPECT_NE(r.err.find(c.line + "\n"), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("printed"), std::string::npos) << r.err;
        EXPECT_EQ(Folder(), before) << c.line;
    }
}

// Reading a return never deletes a file of the user's, even a .SEC beside it
// (it used to be taken for a stale plain copy).
TEST_F(ReturnSafetyTest, ReadingAReturnDeletesNoFileOfTheUsers) {
    ASSERT_EQ(Run({"decrypt", ret, Path("r.SEC"), "--id", "42"}).status, 0);
    ::chmod(Path("r.SEC").c_str(), 0444);
    const std::string plain = Read(Path("r.SEC"));
    for (const std::vector<std::string>& args : {std::vector<std::string>{"dump", ret, "--id", "42"},
                                                 {"export", ret, "--id", "42"},
                                                 {"calc", ret, "--id", "42", "--save"},
                                                 {"print", "schedule", ret, "--id", "42", "--pdf", Path("p.pdf")}}) {
        if (Skipped(args)) continue;
        EXPECT_EQ(Run(args).status, 0) << args[0];
        EXPECT_EQ(Read(Path("r.SEC")), plain) << args[0];
    }
}

// A save uses the key that opened the return, whatever field 1 says by then;
// the disagreement is told.
TEST_F(ReturnSafetyTest, SavesKeepTheKeyThatOpenedTheReturn) {
    {
        SilentDialogs dialogs;
        ModuleRun run(dialogs, DefaultClock());
        run.identity = "42";
        ASSERT_EQ(LoadReturnFile(run, ret), LoadOutcome::Loaded);
        run.store().SetFieldStr(kTagIdentity, "TFN 999");  // other digits than the key
        const ReturnLock lock(ret);
        SaveReturnFile(run, ret);
    }
    std::ofstream(root.path() / "io" / "t.csv") << "Date,Code,Type,Quantity,Price\n01/07/2002,XYZ,Buy,10,1.00\n";
    const std::string note =
        " holds other digits than --id; the return is saved under the key of --id, so that --id "
        "opens it\n";
    const struct {
        std::vector<std::string> args;
        std::string note;
    } cases[] = {
        {{"calc", ret, "--id", "42", "--save"}, "cgt calc: note: field 1 of " + ret + note},
        {{"trades", ret, "--id", "42", (root.path() / "io" / "t.csv").string()},
         "cgt trades: note: field 1 of " + ret + note},
    };
    for (const auto& c : cases) {
        if (Skipped(c.args)) continue;
        const Result r = Run(c.args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, c.note);
        EXPECT_EQ(Run({"dump", ret, "--id", "42"}).status, 0) << c.args[0] << ": no longer opens with --id";
        EXPECT_EQ(Run({"dump", ret, "--id", "999"}).status, 1) << c.args[0] << ": keyed by field 1";
    }
}

// Import and new never replace a return by mistake, and every refusal says
// what and why about the file the user named.
TEST_F(ReturnSafetyTest, RefusalsNameTheFileAndSayWhy) {
    fs::create_symlink(root.path() / "elsewhere", Path("held.RET.lock"));
    ::mkfifo(Path("pipe").c_str(), 0600);
    const auto before = Folder();
    const struct {
        std::vector<std::string> args;
        int status;
        std::string line;
    } cases[] = {
        {{"import", ret, "--id", "43"},
         1,
         "cgt import: not saved: the identity text does not open " + ret + " (--force replaces it all the same)"},
        {{"dump", ret, "--id", "43"},
         1,
         "cgt dump: cannot open " + ret + ": the identity text does not open this return"},
        {{"calc", ret, "--id", "43"},
         1,
         "cgt calc: cannot open " + ret + ": the identity text does not open this return"},
        {{"print", "schedule", ret, "--id", "43", "--pdf", Path("x.pdf")},
         1,
         "cgt print: cannot open " + ret + ": the identity text does not open this return"},
        {{"new", Path("none/r.RET"), "--id", "42"},
         1,
         "cgt new: cannot create " + Path("none/r.RET") + ": the folder " + Path("none") + " does not exist"},
        {{"import", Path("held.RET"), "--id", "42"},
         1,
         "cgt import: cannot lock " + Path("held.RET") + ": its lock file " + Path("held.RET.lock") +
             " is a link, which a lock never is (remove it)"},
        {{"dump", "", "--id", "42"}, 2, "cgt dump: FILE is an empty name; see `cgt dump --help`"},
        {{"dump", Path("pipe"), "--id", "42"},
         1,
         "cgt dump: cannot read " + Path("pipe") + ": it is a pipe, not a file"},
        {{"dump", "/dev/zero", "--id", "42"}, 1, "cgt dump: cannot read /dev/zero: it is a device, not a file"},
    };
    for (const auto& c : cases) {
        if (Skipped(c.args)) continue;
        const Result r = Run(c.args, "{}");
        EXPECT_EQ(r.status, c.status) << c.line;
        EXPECT_EQ(r.err, c.line + "\n");
        EXPECT_EQ(Folder(), before) << c.line;
    }
    // Told to, import replaces a return that --id does not open.
    EXPECT_EQ(Run({"import", ret, "--id", "43", "--force"}, "{}").status, 0);
    EXPECT_EQ(Run({"dump", ret, "--id", "43"}).status, 0);
}

// A return damaged after a few good records is refused by every command, and
// stays as it was.
TEST_F(ReturnSafetyTest, ADamagedReturnIsRefusedAndKept) {
    SilentDialogs dialogs;
    FieldStore store(&dialogs);
    store.SetFieldStr(kTagIdentity, "42");
    store.SetFieldVal(920, 5);
    Bytes plain = WriteReturnContent(store, ReturnPosition{20, 4, {2004}});
    for (const std::uint8_t b : {0xD0, 0x07, 0x00, 0x00, 0x02}) plain.push_back(b);  // tag 2000
    const Bytes cipher = EncryptBytes(plain, ReturnFileKey("42"));
    std::ofstream(ret, std::ios::binary)
        .write(reinterpret_cast<const char*>(cipher.data()), std::streamsize(cipher.size()));
    const auto before = Folder();
    const std::string damaged =
        ": cannot read " + ret +
        ": it is damaged (Error reading file, field tag = 2000 last tag = 920); nothing was changed\n";
    for (const std::string command : {"dump", "export", "calc"}) {
        std::vector<std::string> args{command, ret, "--id", "42"};
        if (command == "calc") args.push_back("--save");
        const Result r = Run(args);
        EXPECT_EQ(r.status, 1) << command;
        EXPECT_EQ(r.err, "cgt " + command + damaged);
        EXPECT_EQ(Folder(), before) << command;
    }
}

}  // namespace
}  // namespace cgt
