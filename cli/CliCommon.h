#pragma once
// Helpers shared by the verbs: opening an image as the editor does and
// saving it back, with the program's own messages on stderr.
//
// Every verb that changes an image is all-or-nothing, registers with
// kChangesImage (CliRegistry.h) and goes through EditAndSave to be so:
//
//   return EditAndSave(OpenKnownImage(path), [&](CQuorvexDoc& doc) {
//       if (!ChangeSomething(doc.Rom())) {
//           PrintLines(std::cerr, "why it failed");
//           return EditStatus::Failed;
//       }
//       return EditStatus::Changed;
//   }, [&] { std::cout << "what was done\n"; });
//
// The edit works on the opened document only; the file is written (by the
// document's copy-and-rename save) only when the edit succeeded and changed
// something. On any failure (the image could not be opened, the edit
// failed, the save failed) the image file stays byte-identical, the verb
// returns 1 and the program ends stderr with kNothingSaved. The success
// callback runs only after the save succeeded, so a success message never
// precedes a failed save. Verbs that change the file another way (expand)
// keep the same rule: 1 only when the file is untouched.
//
// Text taken from the image (its title, names, decoded strings) is printed
// through Printable(), so that control bytes never reach the terminal raw.
#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "rom/Document.h"

namespace quorvex::cli {

constexpr const char* kNothingSaved = "Nothing was saved: the image file is unchanged.";

// Opens the image; prints the error or the patch warning to stderr.
// Returns null on failure. Verbs that only read pass readOnlyOk, so that
// they work on write-protected images too.
std::unique_ptr<CQuorvexDoc> OpenImage(const std::string& path, bool readOnlyOk = false);
// An image of known release, or null with "unknown release" printed.
std::unique_ptr<CQuorvexDoc> OpenKnownImage(const std::string& path, bool readOnlyOk = false);
// Saves; prints the error and returns false on failure. After a successful
// save, prints what the user should know (other names of the file keep the
// old bytes) to stderr.
bool SaveImage(CQuorvexDoc& doc);

enum class EditStatus { Failed, Unchanged, Changed };
using ImageEdit = std::function<EditStatus(CQuorvexDoc& doc)>;
// Runs the edit on an opened document (null: the open failed and printed
// why) and saves when it changed something; see above. Returns the exit
// code: 0, or 1 when nothing was written.
int EditAndSave(std::unique_ptr<CQuorvexDoc> doc, const ImageEdit& edit, const std::function<void()>& onSuccess = {});

// Prints text, ending it with a line break when it has none (messages made
// of several parts, some with their own line breaks).
void PrintLines(std::ostream& out, const std::string& text);
// Image-derived text with its control bytes escaped (see PrintableText).
std::string Printable(const std::string& text, bool keepLineBreaks = false);

// Takes "--name VALUE" out of args; false when the option is absent.
// A trailing "--name" without a value sets `missing`.
bool TakeOption(std::vector<std::string>& args, const std::string& name, std::string& value, bool* missing = nullptr);
// Takes a flag "--name" out of args.
bool TakeFlag(std::vector<std::string>& args, const std::string& name);

// The number parsers take the whole text or nothing: no spaces, no plus
// sign, no value that does not fit.
// A number in decimal (with an optional minus sign), or hexadecimal with a
// 0x or $ prefix (no sign).
bool ParseNumber(const std::string& text, long& value);
// Hexadecimal with or without a 0x or $ prefix (no sign).
bool ParseHex(const std::string& text, unsigned long& value);
// Game bytes typed as hexadecimal pairs: "27 42 13" or "274213", spaces and
// tabs allowed anywhere between the digits.
bool ParseHexBytes(const std::string& text, std::vector<uint8_t>& out);

} // namespace quorvex::cli
