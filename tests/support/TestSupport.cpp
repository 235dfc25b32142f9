#include "TestSupport.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace quorvex::test {

TempDir::TempDir()
{
    std::string tmpl = (std::filesystem::temp_directory_path() / "quorvex-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data()))
        throw std::runtime_error("cannot create a temporary folder");
    m_path = tmpl;
}

TempDir::~TempDir()
{
    std::error_code ec;
    // Read-only files inside must be removable too.
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_path, ec);
}

std::vector<uint8_t> RandomBytes(size_t n, uint32_t seed)
{
    std::mt19937 rng(seed);
    std::vector<uint8_t> bytes(n);
    for (auto& b : bytes)
        b = static_cast<uint8_t>(rng());
    return bytes;
}

std::vector<uint8_t> ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteFileText(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

std::string WriteImage(const TempDir& dir, const synth::SynthOptions& opts, const std::string& name)
{
    const std::string path = dir.File(name);
    if (!synth::WriteSyntheticImage(path, opts))
        throw std::runtime_error("cannot write the synthetic image");
    return path;
}

synth::SynthOptions Variant(const std::string& name)
{
    synth::SynthOptions o;
    if (!synth::FindVariant(name, o))
        ADD_FAILURE() << "no synthetic variant " << name;
    return o;
}

std::string RealImagePath()
{
    const char* p = std::getenv("QUORVEX_TEST_IMAGE");
    return p ? p : "";
}

RunResult RunProgram(const std::string& program, const std::vector<std::string>& args)
{
    RunResult result;
    // Output goes to temporary files so that large outputs never block.
    TempDir dir;
    const std::string outPath = dir.File("out"), errPath = dir.File("err");
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const auto& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        if (!std::freopen(outPath.c_str(), "w", stdout) || !std::freopen(errPath.c_str(), "w", stderr))
            ::_exit(127);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadFileText(outPath);
    result.err = ReadFileText(errPath);
    return result;
}

} // namespace quorvex::test
