// text decode, text encode, names, rename.
#include <cstdio>
#include <iostream>

#include "CliCommon.h"
#include "CliRegistry.h"
#include "rom/NameLists.h"
#include "text/NameEditor.h"
#include "text/TextCodec.h"

namespace quorvex::cli {

namespace {

int RunTextDecode(const std::vector<std::string>& argsIn)
{
    static const char* kUsage = "text decode dialogue|battle|name HEXBYTES [--release us|jp]";
    std::vector<std::string> args = argsIn;
    std::string release = "us";
    bool missing = false;
    TakeOption(args, "--release", release, &missing);
    if (missing || args.size() != 2 || (release != "us" && release != "jp"))
        return UsageError(kUsage);
    const uint8_t romType = release == "jp" ? 2 : 1;
    std::vector<uint8_t> bytes;
    if (!ParseHexBytes(args[1], bytes))
        return UsageError(kUsage);
    DecodeResult r;
    if (args[0] == "dialogue")
        r = DecodeDialogue(bytes, DialogueCharTable(), romType);
    else if (args[0] == "battle")
        r = DecodeBattle(bytes, nullptr, romType);
    else if (args[0] == "name")
        r.text = DecodeName(bytes, romType);
    else
        return UsageError(kUsage);
    std::cout << Printable(WideToUtf8(r.text), true) << "\n";
    if (r.status == kDecodeTruncated) {
        std::cerr << "Incomplete text: an operand lies past the last byte.\n";
        return 1;
    }
    if (r.status > 0) {
        std::cerr << "Decoding stopped at byte " << r.status << ".\n";
        return 1;
    }
    return 0;
}

std::string HexPairs(const std::vector<uint8_t>& bytes)
{
    std::string s;
    char buf[4];
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buf, sizeof buf, "%02X", bytes[i]);
        if (i)
            s += ' ';
        s += buf;
    }
    return s;
}

int RunTextEncode(const std::vector<std::string>& args)
{
    static const char* kUsage = "text encode dialogue|battle TEXT";
    if (args.size() != 2)
        return UsageError(kUsage);
    const std::wstring text = Utf8ToWide(args[1]);
    EncodeResult r;
    if (args[0] == "dialogue")
        r = EncodeDialogue(text, DialogueCharTable(), kEncodeMaxBytes);
    else if (args[0] == "battle")
        r = EncodeBattle(text, BattleCharTable(), kEncodeMaxBytes);
    else
        return UsageError(kUsage);
    if (r.IsError()) {
        std::cerr << "Error found in script\n"
                  << "at character " << r.ErrorPos() << "\n";
        return 1;
    }
    if (r.TooLong(kEncodeMaxBytes)) {
        std::cerr << "Script too long!!\n";
        return 1;
    }
    std::cout << HexPairs(r.bytes) << "\n";
    return 0;
}

const char* kListWords = "monster|item|spell|esper|attack|rare-item|actor|special-attack|command|status|dance|sword-tech";

int RunNames(const std::vector<std::string>& args)
{
    const std::string usage = std::string("names IMAGE ") + kListWords;
    if (args.size() != 2)
        return UsageError(usage);
    NameListId id;
    if (!ParseNameListId(args[1], id))
        return ParseNameListId(args[0], id) ? ImageFirstError(usage) : UsageError(usage);
    auto doc = OpenKnownImage(args[0], true);
    if (!doc)
        return 1;
    const RomData& rd = doc->Rom();
    const NameList& list = GetNameList(rd, id);
    if (!list.loaded) {
        std::cerr << "No such names in this image: the routine that reads them is unknown.\n";
        return 1;
    }
    for (uint32_t i = 0; i < list.stored; ++i)
        std::cout << i << "\t" << Printable(WideToUtf8(list.Decode(i, rd.romType))) << "\n";
    return 0;
}

int RunRename(const std::vector<std::string>& args)
{
    const std::string usage = std::string("rename IMAGE ") + kListWords + " INDEX TEXT";
    if (args.size() != 4)
        return UsageError(usage);
    NameListId id;
    long index = 0;
    if (!ParseNameListId(args[1], id) || !ParseNumber(args[2], index))
        return ParseNameListId(args[0], id) && ParseNumber(args[1], index) ? ImageFirstError(usage)
                                                                            : UsageError(usage);
    const std::wstring text = Utf8ToWide(args[3]);
    std::string shown; // the new name as the image now holds it
    return EditAndSave(
        OpenKnownImage(args[0]),
        [&](CQuorvexDoc& doc) {
            RomData& rd = doc.Rom();
            NameList& list = GetNameList(rd, id);
            if (!list.loaded) {
                std::cerr << "No such names in this image: the routine that reads them is unknown.\n";
                return EditStatus::Failed;
            }
            // Only names the image holds can be renamed (not the made-up monsters).
            if (index < 0 || static_cast<uint32_t>(index) >= list.stored) {
                std::cerr << "Index " << index << " is out of range (0-" << (list.stored - 1) << ").\n";
                return EditStatus::Failed;
            }
            // Every typed character takes one byte of the fixed-length field;
            // the names editor would overwrite the last byte with whatever is
            // typed past the end, so a longer text is refused, not cut.
            if (text.empty() || text.size() > list.nameLen) {
                if (text.empty())
                    std::cerr << "A name cannot be empty (the field holds " << list.nameLen << " characters).\n";
                else
                    std::cerr << "\"" << Printable(args[3]) << "\" is " << text.size()
                              << " characters long; the field holds " << list.nameLen << ".\n";
                return EditStatus::Failed;
            }
            NameEditor editor(list.Get(static_cast<uint32_t>(index)), NameFontKind::Small);
            size_t bad = 0;
            if (!TypeName(editor, text, &bad)) {
                std::cerr << "Character " << bad << " cannot be typed in a name.\n";
                return EditStatus::Failed;
            }
            list.Set(static_cast<uint32_t>(index), editor.NewName());
            rd.names.preproc.Reset();
            doc.SetModifiedFlag();
            shown = WideToUtf8(list.Decode(static_cast<uint32_t>(index), rd.romType));
            return EditStatus::Changed;
        },
        [&] { std::cout << index << "\t" << Printable(shown) << "\n"; });
}

const CliVerb kTextDecode{"text decode", "text decode dialogue|battle|name HEXBYTES [--release us|jp]",
                          "decode game bytes (hex pairs) to the tag language", RunTextDecode};
const CliVerb kTextEncode{"text encode", "text encode dialogue|battle TEXT",
                          "encode tag-language text to game bytes (hex pairs)", RunTextEncode};
const CliVerb kNames{"names", std::string("names IMAGE ") + kListWords, "list the names of a name list",
                     RunNames};
const CliVerb kRename{"rename", std::string("rename IMAGE ") + kListWords + " INDEX TEXT",
                      "rename one entry as typed in the names editor, then save", RunRename, kChangesImage};

} // namespace

} // namespace quorvex::cli
