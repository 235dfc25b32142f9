#pragma once
// The logic of the generic text editor page: one text block (or one array
// of fixed-size records) shown string by string in the tag language,
// applied back within the space the game allows, and exchanged with text
// script files. The page's window only binds controls to this and shows the
// texts it returns.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "text/CharTable.h"
#include "text/DynTextObj.h"
#include "text/PackedTextLayout.h"
#include "text/TextCodec.h"

namespace quorvex {

struct RomData;

// Which text a page edits.
enum TextKind : int32_t {
    kKindBattleBig = 0,        // battle messages, big window (monster dialogue)
    kKindBattleSmall = 1,      // battle messages, small window
    kKindTownDialogue = 2,
    kKindDteTable = 3,         // dual-tile table (release 1) or multiple-tile block (release 2)
    kKindLocationNames = 4,
    kKindMonsterNames = 5,     // 384 fixed records
    kKindNames = 6,            // other fixed-size names
    kKindItemDescriptions = 7,
    kKindDescriptions = 8,     // rare-item, spell, lore and esper-bonus descriptions
    kKindEsperNames = 9,       // 27 fixed records
};

struct TextPageConfig {
    int32_t index = 0;                 // string selected when the page opens
    CFF6DynTextObj* block = nullptr;   // variable-length strings, edited in place
    uint8_t* records = nullptr;        // fixed-size records, one after the other, edited in place
    int32_t recordCount = 0;
    int32_t recordSize = 0;
    int32_t fileVersionMajor = 1;
    int32_t fileVersionMinor = 0;
    std::wstring header;
    std::wstring versionKey;
    std::wstring fileVersionKey;
    std::wstring sectionKey;
    std::wstring captionKey;
    std::wstring fileName;             // empty: no import and export
    bool captioned = true;
    int32_t kind = kKindTownDialogue;
    bool fixed = false;
    std::wstring indexKey;             // setting remembering the selection; empty: not remembered
    std::array<int32_t, 7> layout{};   // preview values; [2] layout style, [6] the page's TextStyle
    // Most strings the block may hold (0: its slot count).
    int32_t maxStrings = 0;
    // An extra rule the block must keep after every change (the third-page
    // layout of town dialogue), checked on the block as packed; empty: none.
    std::function<bool(const PackedTextLayout&)> layoutFits;
};

// The dialogue editor's three pages and the monster editor's two
// battle-message pages, configured for the open image.
TextPageConfig TownDialogPageConfig(RomData& rd);
TextPageConfig DteTablePageConfig(RomData& rd);
TextPageConfig LocationNamesPageConfig(RomData& rd);
TextPageConfig BattleBigPageConfig(RomData& rd);
TextPageConfig BattleSmallPageConfig(RomData& rd);
// The page for a cli/script name: "dialog", "dte", "locnames", "btl-big",
// "btl-small". False for any other name.
bool PageConfigByName(const std::string& name, RomData& rd, TextPageConfig& out);
// Why the editor that owns the named page refuses to edit it on this image
// (an unknown dialogue routine, battle messages whose pointers were edited
// by hand); empty when it may be edited.
std::string PageRefusalByName(const std::string& name, const RomData& rd);

enum class MsgKind { None, Error, Information, Warning };
struct PageMessage {
    MsgKind kind = MsgKind::None;
    std::string text;
    bool Empty() const { return kind == MsgKind::None; }
};

struct ApplyOutcome {
    bool applied = false;
    PageMessage message;
    // Characters to select in the edit field (an encoding error), else -1.
    int selStart = -1;
    int selEnd = -1;
};

// Progress of a long operation: done of total.
using PageProgressFn = std::function<void(int done, int total)>;
// A Yes/No question; true for Yes.
using PageAskFn = std::function<bool(const std::string& question)>;

// Fixed texts of the page.
namespace pagetext {
constexpr const char* kErrorInScript = "Error found in script";
constexpr const char* kScriptTooLong = "Script too long!!";
constexpr const char* kNotEnoughBytes = "Not enough bytes!!";
constexpr const char* kPadFiller = "Not enough bytes!! Padding with filler bytes";
constexpr const char* kPadSpace = "Not enough bytes!! Padding with space";
constexpr const char* kTrimmed = "Too many bytes!! String was trimmed down.";
constexpr const char* kMaxCaptions = "Exceeding maximum caption allowed by the game";
constexpr const char* kNoBytesLeft = "No more bytes left, cannot create new caption";
constexpr const char* kDeleteAllQuestion = "This action gets useful before importing a file.\nDo you want to erase all captions?";
constexpr const char* kSacrificeQuestion =
    "Due to the way pointers where originally programmed, Quorvex cannot work with them.\nWill you let Quorvex "
    "sacrifice one unused string located at index 0x11, so that it can further proceed?";
constexpr const char* kQuotes2Problem =
    "Problem parsing Monster Quotes 2, probably due to hex edited pointers.\nSorry, Quorvex can't edit them.";
constexpr const char* kCantCreateFile = "Can't create file!!";
constexpr const char* kCantOpenImport = "Can't open import file!!";
constexpr const char* kBadFileVersion = "Could not read file version properly";
constexpr const char* kImportedWithoutErrors = "Script imported without errors.";
constexpr const char* kNoCaptions = "No captions found in import file";
constexpr const char* kProgressDeleting = "Deleting captions";
constexpr const char* kProgressOptimizing = "Optimizing DTE symbols usage";
constexpr const char* kProgressImporting = "Importing Script";
} // namespace pagetext

// printf-style formatting into a std::string.
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

class CTextPageLogic {
public:
    CTextPageLogic(RomData& rd, TextPageConfig config);

    const TextPageConfig& Config() const { return m_cfg; }
    RomData& Rom() { return m_rd; }
    // The page's own character table (the keyboard mapping changes it).
    const CharTable& Table() const { return m_table; }
    void SetTable(const CharTable& table)
    {
        m_table = table;
        m_lookup = CharLookup(m_table);
    }
    TextStyle Style() const;
    bool DialogueCodec() const;
    // Entries of the table the keyboard mapping shows (128 or 256 for
    // release 1 by style, all 1,280 otherwise).
    int TableRows() const;

    int StringCount() const;
    int ClampIndex(int index) const;
    // The bytes stored for string i (a record, or a block string without
    // its terminator).
    std::vector<uint8_t> StoredBytes(int i) const;
    // String i as the edit field shows it.
    std::wstring Decoded(int i) const;
    // The pointer of string i (blocks only).
    uint32_t Pointer(int i) const;

    bool IsBlock() const { return m_cfg.block != nullptr && !m_cfg.fixed; }
    int Remaining() const;
    std::string RemainingText() const; // "Remaining bytes: %d"
    std::string InstructionText() const;
    std::string StatusText(int i) const;
    bool ShowOptimize() const;
    bool ShowAdd() const;
    bool AddEnabled() const;
    bool ShowDeleteAll() const;
    bool HasScript() const { return !m_cfg.fileName.empty(); }

    // Questions (the sacrifice question of the small battle messages).
    void SetAsk(PageAskFn ask) { m_ask = std::move(ask); }

    ApplyOutcome Apply(int i, const std::wstring& text);
    PageMessage AddCaption();
    void DeleteAll(const PageProgressFn& progress = {});
    // Recompresses every string; returns how many were stored again.
    int OptimizeAll(const PageProgressFn& progress = {});

    // The script file's text (UTF-8).
    std::string ExportText() const;
    PageMessage ExportScript(const std::string& path) const;
    // Applies a script's text, as the import does. Messages: the final one.
    PageMessage ImportText(const std::string& text, const PageProgressFn& progress = {});
    PageMessage ImportScript(const std::string& path, const PageProgressFn& progress = {});
    // True when the last import changed anything.
    bool ImportChanged() const { return m_importChanged; }

    // The battle-message check of the small window: false when the block
    // cannot be edited (the message says why).
    bool BattleMessageCheck(PageMessage& message);

private:
    struct Encoded {
        std::vector<uint8_t> bytes;
        uint32_t result = 0;
    };
    Encoded Encode(const std::wstring& text) const;
    // Stores bytes into block string i; false when they do not fit.
    bool StoreBlockString(int i, const std::vector<uint8_t>& bytes);
    // Stores bytes into record i, padding or cutting; returns the message
    // text for a padded or cut record ("" when exact).
    std::string StoreRecord(int i, const std::vector<uint8_t>& bytes);
    int MaxStrings() const;

    RomData& m_rd;
    TextPageConfig m_cfg;
    CharTable m_table;
    CharLookup m_lookup{m_table}; // the encoder's character search, made for m_table
    PageAskFn m_ask;
    bool m_importChanged = false;
};

// The built-in table a page of this kind starts with.
CharTable DefaultPageTable(int32_t kind, uint8_t romType);

} // namespace quorvex
