#pragma once
// Helpers for the tests: a private temporary folder per test, and the
// synthetic image written into it.
#include <cstdint>
#include <string>
#include <vector>

#include "SyntheticImage.h"

namespace quorvex::test {

// A fresh folder under the system's temporary folder, removed when the
// object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

// n bytes of a fixed pseudo-random sequence chosen by `seed`.
std::vector<uint8_t> RandomBytes(size_t n, uint32_t seed);

std::vector<uint8_t> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
std::string ReadFileText(const std::string& path);
void WriteFileText(const std::string& path, const std::string& text);

// Writes the synthetic image with these options to dir/name; returns the path.
std::string WriteImage(const TempDir& dir, const synth::SynthOptions& opts = {}, const std::string& name = "image.smc");

// The options of a named synthetic variant (a test failure when unknown).
synth::SynthOptions Variant(const std::string& name);

// The image named by QUORVEX_TEST_IMAGE, or an empty string.
std::string RealImagePath();

// The line quorvex-cli ends its messages with when a verb that changes an
// image failed and left it byte-identical.
inline const std::string kNothingSaved = "Nothing was saved: the image file is unchanged.\n";

// Result of running a program: exit code and both output streams.
struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};
// Runs a program with arguments (no shell), capturing its output.
RunResult RunProgram(const std::string& program, const std::vector<std::string>& args);

} // namespace quorvex::test
