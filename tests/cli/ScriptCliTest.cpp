// quorvex-cli's battle-script and relocation verbs as a user runs them:
// what they print, and that a refused change leaves the image untouched.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "monsters/BattleScriptFile.h"
#include "monsters/ScriptNames.h"
#include "rom/Document.h"

using namespace quorvex;
using quorvex::test::ReadFileBytes;
using quorvex::test::ReadFileText;
using quorvex::test::RunProgram;
using quorvex::test::TempDir;
using quorvex::test::WriteFileText;

namespace {

const std::string kCli = QUORVEX_CLI_PATH;

struct Image {
    TempDir dir;
    std::string path;
    explicit Image(const synth::SynthOptions& o = {}) : path(test::WriteImage(dir, o)) {}
    std::unique_ptr<CQuorvexDoc> Open() const
    {
        auto doc = std::make_unique<CQuorvexDoc>();
        EXPECT_TRUE(doc->OnOpenDocument(path).ok);
        return doc;
    }
};

synth::SynthOptions Size(int mbit)
{
    synth::SynthOptions o;
    o.mbit = mbit;
    return o;
}

// Runs a verb that must be refused: exit 1, the message on stderr followed
// by the note that nothing was saved, the image byte for byte as it was.
void ExpectRefused(const Image& img, const std::vector<std::string>& args, const std::string& message)
{
    const std::vector<uint8_t> before = ReadFileBytes(img.path);
    const auto r = RunProgram(kCli, args);
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_EQ(r.err, message + "\n" + test::kNothingSaved);
    EXPECT_EQ(ReadFileBytes(img.path), before);
}

} // namespace

TEST(CliScripts, StatusShowAndExport)
{
    Image img;
    auto doc = img.Open();
    const BattleScriptSet& set = doc->Rom().scripts.set;
    const auto s = RunProgram(kCli, {"script", "status", img.path});
    ASSERT_EQ(s.exitCode, 0) << s.err;
    EXPECT_EQ(s.out, "status: 0\nused: " + std::to_string(set.Used()) + "\ncapacity: 14672\navail: " +
                         std::to_string(set.Avail()) + "\n");
    const auto show = RunProgram(kCli, {"script", "show", img.path, "17"});
    EXPECT_EQ(show.out, ScriptBlockText(doc->Rom(), 17, RomScriptNames(doc->Rom())));
    EXPECT_EQ(RunProgram(kCli, {"script", "show", img.path, "384"}).exitCode, 2);

    const auto one = RunProgram(kCli, {"script", "export", img.path, "17", "-o", img.dir.File("one.txt")});
    EXPECT_EQ(one.out, "`one.txt' created\n");
    EXPECT_EQ(ReadFileText(img.dir.File("one.txt")), ExportScriptsText(doc->Rom(), 17));
    // Default names, in the current folder.
    const auto all = RunProgram("/bin/sh", {"-c", "cd '" + img.dir.Path() + "' && '" + kCli + "' script export '" +
                                                      img.path + "' && '" + kCli + "' script export '" + img.path +
                                                      "' 5"});
    EXPECT_EQ(all.out, "`monstBattleScripts.txt' created\n`monstBattleScript005.txt' created\n");
    EXPECT_EQ(ReadFileText(img.dir.File("monstBattleScripts.txt")), ExportScriptsText(doc->Rom(), -1));
}

TEST(CliScripts, ImportIsAllOrNothing)
{
    Image img;
    const std::string file = img.dir.File("s.txt");
    // The second block fails: nothing of the first reaches the file either.
    WriteFileText(file, "[File version: 1.00]\n[Section: Monster Battle Scripts]\n[script #1]\n03\nFF\nFF\n"
                        "[script #2]\nF0 01\n");
    ExpectRefused(img, {"script", "import", img.path, file}, "Script #2, line #1, opcode F0 must take 3 operands");
    WriteFileText(file, "[Section: Monster Battle Scripts]\n");
    ExpectRefused(img, {"script", "import", img.path, file},
                  "The following key string was not found in the import file: [Section: Monster Battle Scripts]\n"
                  "Did you try to import a script belonging to another part of the game?");
    ExpectRefused(img, {"script", "import", img.path, img.dir.File("none.txt")}, "Can't open import file!!");

    WriteFileText(file, "[File version: 1.00]\n[Section: Monster Battle Scripts]\n[script #1]\n03\nFF\nFF\n");
    const auto ok = RunProgram(kCli, {"script", "import", img.path, file});
    EXPECT_EQ(ok.exitCode, 0) << ok.err;
    EXPECT_EQ(ok.out, "Script imported without errors.\n");
    EXPECT_EQ(img.Open()->Rom().scripts.set.Script(1).Bytes(), (std::vector<uint8_t>{0x03, 0xFF, 0xFF}));

    // Exporting everything and importing it back changes no byte.
    const auto e = RunProgram(kCli, {"script", "export", img.path, "-o", img.dir.File("all.txt")});
    ASSERT_EQ(e.exitCode, 0);
    const std::vector<uint8_t> before = ReadFileBytes(img.path);
    EXPECT_EQ(RunProgram(kCli, {"script", "import", img.path, img.dir.File("all.txt")}).exitCode, 0);
    EXPECT_EQ(ReadFileBytes(img.path), before);
}

TEST(CliScripts, EditFollowsThePageRules)
{
    Image img;
    ExpectRefused(img, {"script", "edit", img.path, "4", "insert", "0", "FF"}, "Cannot insert a break point (0xFF)");
    const int count = img.Open()->Rom().scripts.set.CommandCount(4);
    ExpectRefused(img, {"script", "edit", img.path, "4", "insert", std::to_string(count), "01"},
                  "Cannot insert command after second break point (0xFF)");
    ExpectRefused(img, {"script", "edit", img.path, "4", "delete", std::to_string(count - 1)},
                  "This opcode cannot be deleted");
    ExpectRefused(img, {"script", "edit", img.path, "4", "replace", std::to_string(count - 1), "01"},
                  "This opcode cannot be edited");
    ExpectRefused(img, {"script", "edit", img.path, "4", "insert", "0", "F0 01"}, "Opcode F0 must take 3 operands");
    ExpectRefused(img, {"script", "edit", img.path, "4", "repair"}, "The Mag Roader Battle Script has no bug to fix.");

    const auto ins = RunProgram(kCli, {"script", "edit", img.path, "4", "insert", "0", "F0 EE EE EF"});
    EXPECT_EQ(ins.exitCode, 0) << ins.err;
    EXPECT_EQ(img.Open()->Rom().scripts.set.CommandBytes(4, 0), (std::vector<uint8_t>{0xF0, 0xEE, 0xEE, 0xEF}));
    EXPECT_EQ(RunProgram(kCli, {"script", "edit", img.path, "4", "replace", "0", "F1 36"}).exitCode, 0);
    EXPECT_EQ(img.Open()->Rom().scripts.set.CommandBytes(4, 0), (std::vector<uint8_t>{0xF1, 0x36}));
    EXPECT_EQ(RunProgram(kCli, {"script", "edit", img.path, "4", "delete", "0"}).exitCode, 0);
    EXPECT_EQ(RunProgram(kCli, {"script", "edit", img.path, "4", "erase"}).exitCode, 0);
    EXPECT_EQ(img.Open()->Rom().scripts.set.Script(4).Bytes(), (std::vector<uint8_t>{0xFF, 0xFF}));
    EXPECT_EQ(RunProgram(kCli, {"script", "edit", img.path, "0", "erase-all"}).exitCode, 0);
    EXPECT_EQ(RunProgram(kCli, {"script", "status", img.path}).out,
              "status: 0\nused: 768\ncapacity: 14672\navail: 13904\n");
}

TEST(CliScripts, DefectiveSetsAreRefusedOrRepaired)
{
    Image roader(test::Variant("scripts-mag-roader"));
    EXPECT_EQ(RunProgram(kCli, {"script", "status", roader.path}).out.substr(0, 11), "status: -4\n");
    ExpectRefused(roader, {"script", "edit", roader.path, "1", "erase"},
                  "There is a bug in the Mag Roader Battle Script.\nThe Battle Script Editor cannot work with it.\n"
                  "Repair it first: quorvex-cli script edit IMAGE 243 repair");
    const auto fix = RunProgram(kCli, {"script", "edit", roader.path, "243", "repair"});
    EXPECT_EQ(fix.exitCode, 0) << fix.err;
    EXPECT_EQ(RunProgram(kCli, {"script", "status", roader.path}).out.substr(0, 10), "status: 0\n");
    EXPECT_EQ(roader.Open()->Rom().scripts.set.Script(243).Bytes(), kMagRoaderRepair);

    Image shared(test::Variant("scripts-shared-jp"));
    EXPECT_EQ(RunProgram(kCli, {"script", "status", shared.path}).out.substr(0, 11), "status: -3\n");
    ExpectRefused(shared, {"script", "edit", shared.path, "1", "erase"},
                  "Quorvex cannot compile Battle Scripts that are overlaped,\nhave shared pointers or that are "
                  "switching banks.\nBattle Script Edition will not be available.");
}

TEST(CliRelocate, ApplyRemoveAndStatusAfterReopening)
{
    Image img(Size(28));
    const auto moved = RunProgram(kCli, {"relocate", img.path, "scripts", "apply", "--bank", "F7"});
    EXPECT_EQ(moved.exitCode, 0) << moved.err;
    const auto st = RunProgram(kCli, {"relocate", img.path, "status"});
    EXPECT_EQ(st.out.substr(0, st.out.find("FF3Edit Town")),
              "Quorvex Monster Battle Scripts hack\nReg. data loc.: $0F8900-$1088FF, 0/14672 bytes\n"
              "Exp. data loc.: $F70000-$F7FFFF, max 65536 bytes\nBank used: F7\n");
    EXPECT_EQ(RunProgram(kCli, {"script", "status", img.path}).out.find("capacity: 65536\n") != std::string::npos,
              true);

    // The names may not share the scripts' bank, and nothing changes.
    ExpectRefused(img, {"relocate", img.path, "attack-names", "apply", "--bank", "F7"},
                  "Bank F7 holds the Battle Scripts.\nPlease choose another bank for the Monster Special Attack names.");
    EXPECT_EQ(RunProgram(kCli, {"relocate", img.path, "attack-names", "apply"}).exitCode, 0);
    ExpectRefused(img, {"relocate", img.path, "scripts", "apply", "--bank", "F5"},
                  "Bank F5 holds the Monster Special Attack names.\nPlease choose another bank for the Battle Scripts.");
    ExpectRefused(img, {"relocate", img.path, "scripts", "apply", "--bank", "F8"},
                  "Bank F8 is not part of the expanded section of this ROM.");
    ExpectRefused(img, {"relocate", img.path, "dialogue", "apply"},
                  "Cannot apply patch to this ROM. Either it is not FF3us or it is not 32Mbit of size.");
    EXPECT_EQ(RunProgram(kCli, {"relocate", img.path, "dialogue", "apply", "--bank", "F1"}).exitCode, 2);

    EXPECT_EQ(RunProgram(kCli, {"relocate", img.path, "scripts", "remove"}).exitCode, 0);
    EXPECT_EQ(RunProgram(kCli, {"relocate", img.path, "attack-names", "remove"}).exitCode, 0);
    const auto back = RunProgram(kCli, {"relocate", img.path, "status"});
    EXPECT_NE(back.out.find("Quorvex Monster Battle Scripts hack\nReg. data loc.: $0F8900-$0FC24F, max 14672 bytes\n"
                            "Exp. data: none\nBank used: F6\n"),
              std::string::npos);
    EXPECT_TRUE(back.out.ends_with("Quorvex Various Text hacks\nReg. data loc.: $0FD2D0-$0FE1CF, max 3840 bytes\n"
                                   "Exp. data: none\nBank used: F5\n"));

    Image small;
    ExpectRefused(small, {"relocate", small.path, "scripts", "apply"},
                  "This ROM is not expanded.\nExpand it to 28Mbit or 32Mbit first.");
}

// "status" changes nothing: an image it cannot open gets the open error
// alone, while the verbs that move data still end with "Nothing was saved".
TEST(CliRelocate, StatusOfAnImageThatCannotBeOpenedPrintsOnlyTheOpenError)
{
    TempDir dir;
    const std::string missing = dir.File("missing.smc");
    CQuorvexDoc doc;
    const OpenResult opened = doc.OnOpenDocument(missing);
    ASSERT_FALSE(opened.ok);
    ASSERT_FALSE(opened.error.empty());
    // A file that opens but is no known release of the game: its title, in
    // the header at 0xFFC0, names no release.
    const std::string zeros = dir.File("zeros.smc");
    std::string bytes(0x10000, '\0');
    bytes.replace(0xFFC0, 21, "NOT A GAME           ");
    WriteFileText(zeros, bytes);
    const std::string unknown = "Unkown type: \"NOT A GAME           \" is not a known release of the game.\n";

    for (const auto& [path, openError] : {std::pair{missing, opened.error + "\n"}, std::pair{zeros, unknown}}) {
        const auto st = RunProgram(kCli, {"relocate", path, "status"});
        EXPECT_EQ(st.exitCode, 1) << path;
        EXPECT_EQ(st.out, "") << path;
        EXPECT_EQ(st.err, openError) << path;

        for (const char* what : {"scripts", "dialogue", "attack-names"})
            for (const char* op : {"apply", "remove"}) {
                const auto r = RunProgram(kCli, {"relocate", path, what, op});
                EXPECT_EQ(r.exitCode, 1) << path << " " << what << " " << op;
                EXPECT_EQ(r.err, openError + test::kNothingSaved) << path << " " << what << " " << op;
            }
    }
    EXPECT_EQ(ReadFileText(zeros), bytes);
}

// Output that cannot be written fails "status" with 1 and no word of a save.
TEST(CliRelocate, StatusToAFullDiskSaysNothingOfASave)
{
    Image img;
    const auto before = ReadFileBytes(img.path);
    const auto r = RunProgram("/bin/sh", {"-c", "exec \"$0\" \"$@\" > /dev/full", kCli, "relocate", img.path, "status"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.rfind("The output could not be written: ", 0), 0u) << r.err;
    EXPECT_EQ(r.err.find("saved"), std::string::npos) << r.err;
    EXPECT_EQ(ReadFileBytes(img.path), before);
}

TEST(CliRelocate, TheThirdDialoguePageComesAndGoes)
{
    Image img(Size(32));
    EXPECT_EQ(RunProgram(kCli, {"relocate", img.path, "dialogue", "apply"}).exitCode, 0);
    const auto st = RunProgram(kCli, {"relocate", img.path, "status"});
    EXPECT_NE(st.out.find("FF3Edit Town Dialog hack\nExp. data loc.: $F00000-$F0FFFF, "), std::string::npos);
    EXPECT_NE(RunProgram(kCli, {"info", img.path}).out.find("FF3Edit dialog"), std::string::npos);
    ExpectRefused(img, {"relocate", img.path, "scripts", "apply", "--bank", "F0"},
                  "Bank F0 holds the 3rd Town Dialog page or world map data.\nPlease choose another bank.");
    EXPECT_EQ(RunProgram(kCli, {"relocate", img.path, "dialogue", "remove"}).exitCode, 0);
    EXPECT_NE(RunProgram(kCli, {"relocate", img.path, "status"}).out.find("FF3Edit Town Dialog hack\nExp. data: none\n"),
              std::string::npos);
}
