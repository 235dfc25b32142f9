#pragma once
// Battle-script text files: one script ("monstBattleScript%03d.txt") or all
// 384 ("monstBattleScripts.txt"), exchanged with other users and edited by
// hand. After four header lines each script is a block:
//
//   [script #12]   ; orig idx=12, "Leafer", nb. bytes=9
//   F0 01 02 03    ; Rand. spell: Fire or Ice or Bolt
//   FF             ; End first wave of attack
//   ...
//
// Everything from a ";" to the end of a line is a comment; a command line is
// its bytes as hexadecimal digits (spaces optional). Import replaces each
// block's script within the byte budget and stops at the first faulty block;
// the scripts of earlier blocks stay replaced.
#include <functional>
#include <string>

#include "text/TextPage.h"

namespace quorvex {

struct RomData;
class ScriptNames;

namespace scripttext {
constexpr const char* kSectionKey = "[Section: Monster Battle Scripts]";
constexpr const char* kScriptKey = "[script #";
constexpr const char* kAllScriptsFile = "monstBattleScripts.txt";
constexpr const char* kProgressExporting = "Exporting Script";
constexpr const char* kProgressImporting = "Importing Script";
constexpr const char* kNoScripts = "No battle scripts found in import file";
constexpr const char* kCantCreateHandle = "Can't create file handle!!";
constexpr const char* kSyntaxError = "Script #%d has a syntax error.\nThis is probably due to too many or not enough\n"
                                     "parameters supplied to F0-FC opcodes.\n";
constexpr const char* kTooLong = "Script #%d holds more than 5000 bytes.\n";
constexpr const char* kNoBytes = "Script could not get imported.\nNot enough bytes remaining.\n";
constexpr const char* kNoBytesNumbered = "Script #%d and beyond could not get imported.\nNot enough bytes remaining.\n";
constexpr const char* kExpandHint =
    "You could try expanding the Battle Script with the\n\"Manage expanded ROM\" button on the main interface.";
} // namespace scripttext

// Longest script block an import file may hold.
constexpr int kScriptImportBuffer = 5000;

// "monstBattleScript%03d.txt" for one script.
std::string ScriptFileName(int index);

// The block of script i as a script file writes it: its header line, one
// line per command and an empty line.
std::string ScriptBlockText(const RomData& rd, int i, const ScriptNames& names);
// A whole file: the header lines, the block of script `index` (or of all
// 384 when index is -1) and a final line feed.
std::string ExportScriptsText(const RomData& rd, int index, const PageProgressFn& progress = {});
// Writes that text; "`NAME' created" or "Can't create file!!".
PageMessage ExportScripts(const RomData& rd, int index, const std::string& path,
                          const PageProgressFn& progress = {});

// Imports a file's text into the document's set. `current` is the script a
// block without a number replaces. The final message is an error or "Script
// imported without errors.".
PageMessage ImportScriptsText(RomData& rd, const std::string& text, int current, const PageProgressFn& progress = {});
PageMessage ImportScripts(RomData& rd, const std::string& path, int current, const PageProgressFn& progress = {});

} // namespace quorvex
