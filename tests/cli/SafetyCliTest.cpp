// quorvex-cli under faults and hostile input: every verb that changes an
// image is all-or-nothing and says so, success is claimed only for a save
// that happened, and text from the image never reaches the terminal raw.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>

#include "TestSupport.h"

using namespace quorvex;
using quorvex::test::kNothingSaved;
using quorvex::test::ReadFileBytes;
using quorvex::test::ReadFileText;
using quorvex::test::RunProgram;
using quorvex::test::RunResult;
using quorvex::test::TempDir;
using quorvex::test::WriteFileText;

namespace {

const std::string kCli = QUORVEX_CLI_PATH;

bool EndsWith(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

size_t FolderSize(const TempDir& dir)
{
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path()))
        ++n;
    return n;
}

// Runs the program with files limited to `blocks` 512-byte blocks, as a
// full disk would stop it: a write past the limit fails with "File too
// large" (the signal such a write raises is ignored, as the shell passes
// it on).
RunResult RunWithFileLimit(long blocks, const std::vector<std::string>& args)
{
    std::vector<std::string> shellArgs = {
        "-c", "trap '' XFSZ; ulimit -f " + std::to_string(blocks) + "; exec \"$0\" \"$@\"", kCli};
    shellArgs.insert(shellArgs.end(), args.begin(), args.end());
    return RunProgram("/bin/sh", shellArgs);
}

// The page's script with every caption replaced by `text`.
std::string EveryCaption(const std::string& exported, const std::string& text)
{
    std::string script = exported.substr(0, exported.find("[caption #"));
    size_t count = 0;
    for (size_t at = exported.find("[caption #"); at != std::string::npos; at = exported.find("[caption #", at + 1))
        ++count;
    for (size_t i = 0; i < count; ++i)
        script += "[caption #" + std::to_string(i) + "]\n" + text + "\n\n";
    return script;
}

} // namespace

TEST(CliSafety, AnImportThatRunsOutOfSpaceSavesNothing)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    const auto before = ReadFileBytes(image);
    const std::string line = "So many words for a caption that the page can never hold them all, however packed.";
    for (const char* page : {"dialog", "btl-big", "btl-small", "locnames"}) {
        SCOPED_TRACE(page);
        const std::string exported = dir.File(std::string(page) + ".txt");
        ASSERT_EQ(RunProgram(kCli, {"export", page, image, "-o", exported}).exitCode, 0);
        const std::string script = dir.File("big.txt");
        WriteFileText(script, EveryCaption(ReadFileText(exported), line + " " + line + " " + line));
        const auto r = RunProgram(kCli, {"import", page, image, script});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("Not enough bytes to import Caption #"), std::string::npos) << r.err;
        EXPECT_TRUE(EndsWith(r.err, " and beyond\n" + kNothingSaved)) << r.err;
        EXPECT_EQ(ReadFileBytes(image), before);
    }
    EXPECT_EQ(FolderSize(dir), 6u); // the image and the five scripts: no copy left
}

TEST(CliSafety, ARefusedDualTileImportSavesNothingAndKeepsItsLinesApart)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    const auto before = ReadFileBytes(image);
    const std::string exported = dir.File("dte.txt");
    ASSERT_EQ(RunProgram(kCli, {"export", "dte", image, "-o", exported}).exitCode, 0);
    std::string script = ReadFileText(exported);
    // One entry of three characters (cut to two), and one entry too many.
    const size_t first = script.find("\n\n[DTE/MTE Table]\n") + 18;
    script.insert(script.find('\n', first), "x");
    script += "zz\n";
    WriteFileText(dir.File("s.txt"), script);
    const auto r = RunProgram(kCli, {"import", "dte", image, dir.File("s.txt")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Importing caption 128 or above is not supported\n"
                     "Import script had more or less than 2 bytes at some point.\n"
                     "Quorvex has still imported the script but truncated or padded bytes.\n" +
                         kNothingSaved);
    EXPECT_EQ(ReadFileBytes(image), before);
}

TEST(CliSafety, SuccessIsClaimedOnlyAfterTheSaveSucceeded)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    const auto before = ReadFileBytes(image);
    WriteFileText(dir.File("s.txt"), "[File version: 1.00]\n[Section: Location Names]\n[caption #3]\nElsewhere\n");
    // 4,000 blocks: the image can be read, but its 3 MiB copy cannot be written.
    auto r = RunWithFileLimit(4000, {"import", "locnames", image, dir.File("s.txt")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("File too large"), std::string::npos) << r.err;
    EXPECT_TRUE(EndsWith(r.err, kNothingSaved)) << r.err;
    EXPECT_EQ(ReadFileBytes(image), before);
    EXPECT_EQ(FolderSize(dir), 2u);

    r = RunWithFileLimit(4000, {"rename", image, "item", "3", "Blade"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(EndsWith(r.err, kNothingSaved)) << r.err;
    EXPECT_EQ(ReadFileBytes(image), before);

    // Without the limit the same import succeeds, and says so.
    r = RunProgram(kCli, {"import", "locnames", image, dir.File("s.txt")});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Script imported without errors.\n");
    EXPECT_NE(ReadFileBytes(image), before);
}

TEST(CliSafety, AnExpansionThatRunsOutOfSpaceLeavesTheImageWhole)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    const auto before = ReadFileBytes(image);
    // 6,500 blocks: the copy of the 24 Mbit image fits, the 28 Mbit one does not.
    auto r = RunWithFileLimit(6500, {"expand", image, "28"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("File too large"), std::string::npos) << r.err;
    EXPECT_TRUE(EndsWith(r.err, kNothingSaved)) << r.err;
    EXPECT_EQ(ReadFileBytes(image), before);
    EXPECT_EQ(FolderSize(dir), 1u);
    // The image can still be expanded.
    r = RunProgram(kCli, {"expand", image, "28"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Current ROM size: 28Mbit\n");
}

TEST(CliSafety, SavingAnImageOfUnknownReleaseFails)
{
    TempDir dir;
    synth::SynthOptions o;
    o.title = "SECRET OF EVERMORE";
    const std::string unknown = test::WriteImage(dir, o, "u.smc");
    const std::string empty = dir.File("empty.smc");
    test::WriteFileBytes(empty, {});
    for (const std::string& path : {unknown, empty}) {
        SCOPED_TRACE(path);
        const auto before = ReadFileBytes(path);
        const auto r = RunProgram(kCli, {"save", path});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_NE(r.err.find("is not a known release of the game.\n"), std::string::npos) << r.err;
        EXPECT_TRUE(EndsWith(r.err, kNothingSaved)) << r.err;
        EXPECT_EQ(ReadFileBytes(path), before);
    }
}

TEST(CliSafety, RenamingRefusesAnEmptyNameAndOneLongerThanItsField)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    const auto before = ReadFileBytes(image);
    struct Case {
        const char* list;
        const char* text;
        std::string message;
    } cases[] = {
        {"item", "", "A name cannot be empty (the field holds 13 characters).\n"},
        {"item", "ABCDEFGHIJKLMNOP", "\"ABCDEFGHIJKLMNOP\" is 16 characters long; the field holds 13.\n"},
        {"esper", "ABCDEFGHIP", "\"ABCDEFGHIP\" is 10 characters long; the field holds 8.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto r = RunProgram(kCli, {"rename", image, c.list, "3", c.text});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.message + kNothingSaved);
        EXPECT_EQ(ReadFileBytes(image), before);
    }
    // A name that fills its field exactly is taken whole.
    const auto r = RunProgram(kCli, {"rename", image, "esper", "3", "ABCDEFGH"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "3\tABCDEFGH\n");
}

TEST(CliSafety, TheTitleReachesTheTerminalWithItsControlBytesEscaped)
{
    TempDir dir;
    synth::SynthOptions o;
    o.title = "FINAL FANTASY 3\x1B[2J\x7F\n";
    const std::string image = test::WriteImage(dir, o);
    auto r = RunProgram(kCli, {"identify", image});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.rfind("title: FINAL FANTASY 3\\x1B[2J\\x7F\\x0A\nrelease: FF3us\n", 0), 0u) << r.out;
    r = RunProgram(kCli, {"info", image});
    EXPECT_NE(r.out.find("ROM internal name: \"FINAL FANTASY 3\\x1B[2J\\x7F\\x0A\"\n"), std::string::npos) << r.out;

    o.title = "\x1B]0;owned\x07\x1B[2J";
    const std::string unknown = test::WriteImage(dir, o, "u.smc");
    r = RunProgram(kCli, {"names", unknown, "item"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.rfind("Unkown type: \"\\x1B]0;owned\\x07\\x1B[2J", 0), 0u) << r.err;
    for (const auto* text : {&r.out, &r.err})
        EXPECT_EQ(text->find('\x1B'), std::string::npos);
}

TEST(CliSafety, OtherNamesOfTheImageAreToldAbout)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    const std::string other = dir.File("other.smc");
    ASSERT_EQ(::link(image.c_str(), other.c_str()), 0);
    const auto before = ReadFileBytes(image);
    const auto r = RunProgram(kCli, {"rename", image, "item", "3", "Blade"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("1 other name (a hard link)"), std::string::npos) << r.err;
    EXPECT_EQ(ReadFileBytes(other), before);
    EXPECT_NE(ReadFileBytes(image), before);
}

TEST(CliSafety, AFailedPictureNeverRemovesWhatIsNotARegularFile)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    // A private copy of the device that refuses every write.
    const std::string device = dir.File("full");
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        GTEST_SKIP() << "no permission to make a device node";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"render", "monster", image, "0", "-o", device},
          std::vector<std::string>{"decompress", image, "E71BB6", device}}) {
        const auto r = RunProgram(kCli, args);
        struct stat st {};
        EXPECT_EQ(::lstat(device.c_str(), &st), 0) << args[0];
        EXPECT_TRUE(S_ISCHR(st.st_mode)) << args[0];
    }
    const auto r = RunProgram(kCli, {"render", "monster", image, "0", "-o", device});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Can't create file!!\n");
}

TEST(CliSafety, OutputThatCannotBeWrittenIsAFailure)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    const auto toFull = [&](const std::vector<std::string>& args) {
        std::vector<std::string> shellArgs = {"-c", "exec \"$0\" \"$@\" > /dev/full", kCli};
        shellArgs.insert(shellArgs.end(), args.begin(), args.end());
        return RunProgram("/bin/sh", shellArgs);
    };
    auto r = toFull({"names", image, "item"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.rfind("The output could not be written: ", 0), 0u) << r.err;
    // A verb that changed the image says that the image was saved.
    const auto before = ReadFileBytes(image);
    r = toFull({"rename", image, "item", "2", "Foo"});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.err, "The output could not be written: No space left on device. The image was saved.\n");
    EXPECT_NE(ReadFileBytes(image), before);
}

TEST(CliSafety, NumbersAreTakenWholeOrRefused)
{
    TempDir dir;
    const std::string image = test::WriteImage(dir);
    for (const char* n : {" 1", "1 ", "+1", "0x-1", "$-1", "0x", "$", "-", "", "1e2", "0x1g", "99999999999999999999",
                          "0x10000000000000000", "-99999999999999999999", "\xef\xbc\x91"}) {
        const auto r = RunProgram(kCli, {"render", "monster", image, n, "-o", dir.File("m.bmp")});
        EXPECT_EQ(r.exitCode, 2) << n;
    }
    for (const char* n : {"1", "0x1", "0X1", "$1", "01", "0x00000001"}) {
        const auto r = RunProgram(kCli, {"render", "monster", image, n, "-o", dir.File("m.bmp")});
        EXPECT_EQ(r.exitCode, 0) << n << r.err;
    }
    // The hexadecimal fill byte of an expansion is parsed the same way.
    for (const char* fill : {"-1", "+1", " 1", "0x"}) {
        const auto r = RunProgram(kCli, {"expand", image, "28", "--fill", fill});
        EXPECT_EQ(r.exitCode, 2) << fill;
    }
}
