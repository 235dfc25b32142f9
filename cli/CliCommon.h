#pragma once
// Helpers shared by the verbs: opening an image as the editor does and
// saving it back, with the program's own messages on stderr.
#include <memory>
#include <string>
#include <vector>

#include "rom/Document.h"

namespace quorvex::cli {

// Opens the image; prints the error or the patch warning to stderr.
// Returns null on failure. Verbs that only read pass readOnlyOk, so that
// they work on write-protected images too.
std::unique_ptr<CQuorvexDoc> OpenImage(const std::string& path, bool readOnlyOk = false);
// An image of known release, or null with "unknown release" printed.
std::unique_ptr<CQuorvexDoc> OpenKnownImage(const std::string& path, bool readOnlyOk = false);
// Saves; prints the error and returns false on failure.
bool SaveImage(CQuorvexDoc& doc);

// Takes "--name VALUE" out of args; false when the option is absent.
// A trailing "--name" without a value sets `missing`.
bool TakeOption(std::vector<std::string>& args, const std::string& name, std::string& value, bool* missing = nullptr);
// Takes a flag "--name" out of args.
bool TakeFlag(std::vector<std::string>& args, const std::string& name);

// Parses a number in decimal, or hexadecimal with 0x/$ prefix.
bool ParseNumber(const std::string& text, long& value);
// Parses hexadecimal with or without a 0x or $ prefix.
bool ParseHex(const std::string& text, unsigned long& value);

} // namespace quorvex::cli
