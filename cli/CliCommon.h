#pragma once
// Helpers shared by the verbs: opening an image as the editor does and
// saving it back, with the program's own messages on stderr.
#include <memory>
#include <string>

#include "rom/Document.h"

namespace quorvex::cli {

// Opens the image; prints the error (exit code 1) or the patch warning.
// Returns null on failure.
std::unique_ptr<CQuorvexDoc> OpenImage(const std::string& path);
// An image of known release, or null with "unknown release" printed.
std::unique_ptr<CQuorvexDoc> OpenKnownImage(const std::string& path);
// Saves; prints the error and returns false on failure.
bool SaveImage(CQuorvexDoc& doc);

// Parses a number in decimal, or hexadecimal with 0x/$ prefix.
bool ParseNumber(const std::string& text, long& value);
// Parses hexadecimal with or without a 0x or $ prefix.
bool ParseHex(const std::string& text, unsigned long& value);

} // namespace quorvex::cli
