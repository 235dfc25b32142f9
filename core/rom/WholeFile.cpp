#include "rom/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "rom/Document.h"
#include "rom/ImageFile.h"
#include "rom/SafeReplace.h"

namespace quorvex {

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes, std::string& error, uint64_t maxSize)
{
    ImageFile f;
    if (f.OpenForReading(path) != ImageFile::OpenStatus::Ok) {
        error = f.ErrorText();
        return false;
    }
    if (static_cast<uint64_t>(f.Length()) > maxSize) {
        error = "\"" + path + "\" is too large: Quorvex reads files of at most " + std::to_string(maxSize >> 20) +
                " MiB.";
        return false;
    }
    // The file is read as if header-less: ROM offset 0 is its first byte.
    f.SetHeaderless(true);
    std::vector<uint8_t> data(static_cast<size_t>(f.Length()));
    const size_t got = f.ReadRom(0, data.data(), data.size());
    f.Close();
    if (f.Failed() || got != data.size()) {
        error = f.Failed() ? f.ErrorText() : FileErrorText(path, EIO);
        return false;
    }
    bytes.swap(data);
    return true;
}

std::string CheckWritable(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return errno == ENOENT ? std::string() : FileErrorText(path, errno);
    ImageFile probe;
    switch (probe.Open(path)) {
    case ImageFile::OpenStatus::ReadOnly: return kReadOnlyMessage;
    case ImageFile::OpenStatus::Error: return probe.ErrorText();
    case ImageFile::OpenStatus::Ok: break;
    }
    return {};
}

bool WriteWholeFile(const std::string& path, std::span<const uint8_t> bytes, std::string& error)
{
    error = CheckWritable(path);
    if (!error.empty())
        return false;
    // A new file is created empty first, so that the one atomic save of the
    // program (which replaces an existing file) serves here too; it goes
    // again if anything fails.
    bool created = false;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            error = FileErrorText(path, errno);
            return false;
        }
        ::close(fd);
        created = true;
    }
    bool ok = false;
    {
        SafeReplace replace(path);
        if (!replace.Begin()) {
            error = replace.ErrorText();
        } else if (std::FILE* f = std::fopen(replace.TempPath().c_str(), "wb")) {
            const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
            const int err = errno;
            if (std::fclose(f) != 0 || !written)
                error = FileErrorText(replace.TempPath(), written ? errno : err);
            else if (!replace.Commit())
                error = replace.ErrorText();
            else
                ok = true;
        } else {
            error = FileErrorText(replace.TempPath(), errno);
        }
    }
    if (!ok && created)
        ::unlink(path.c_str());
    return ok;
}

} // namespace quorvex
