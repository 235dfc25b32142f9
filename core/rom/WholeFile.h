#pragma once
// Whole files in memory: patches, the images a patch is made from or
// applied to, restore points. Writing goes through the program's atomic
// save (SafeReplace), so a file is either replaced whole or left as it was.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quorvex {

// Reads the whole file; refuses one larger than maxSize bytes.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes, std::string& error, uint64_t maxSize);

// Empty when the file may be written or does not exist yet; otherwise the
// program's read-only message or the reason it cannot be opened.
std::string CheckWritable(const std::string& path);

// Writes `bytes` as the new contents of `path`: an existing file is
// replaced only once the new contents are on disk (keeping its
// permissions); a new file is created. On failure nothing has changed.
bool WriteWholeFile(const std::string& path, std::span<const uint8_t> bytes, std::string& error);

} // namespace quorvex
