#include "rom/ImageFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace quorvex {

std::string FileErrorText(const std::string& path, int err)
{
    return "Cannot access the file \"" + path + "\": " + std::strerror(err) + ".";
}

void RemoveFailedOutput(const std::string& path)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        ::unlink(path.c_str());
}

namespace {
int g_failWriteIn = -1;
void (*g_readObserver)(uint32_t, size_t) = nullptr;
} // namespace

void ImageFile::InjectWriteFailure(int n) { g_failWriteIn = n; }

void ImageFile::ObserveReads(void (*observer)(uint32_t, size_t)) { g_readObserver = observer; }

namespace {
// True (errno set as a full disk sets it) when the test's chosen write is due.
bool InjectedFailure()
{
    if (g_failWriteIn < 0 || g_failWriteIn-- != 0)
        return false;
    errno = ENOSPC;
    return true;
}
} // namespace

ImageFile::~ImageFile() { Close(); }

ImageFile::OpenStatus ImageFile::Open(const std::string& path)
{
    Close();
    m_path = path;
    m_error.clear();
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        Fail(FileErrorText(path, errno));
        return OpenStatus::Error;
    }
    if (S_ISDIR(st.st_mode)) {
        Fail(FileErrorText(path, EISDIR));
        return OpenStatus::Error;
    }
    // A device, a pipe or a socket: nothing a game image could be kept in.
    if (!S_ISREG(st.st_mode)) {
        Fail("Cannot open the file \"" + path + "\": it is not a regular file, so not an image of this game.");
        return OpenStatus::Error;
    }
    // The owner's write bit is the read-only attribute: honour it even for
    // a user (root) whom the system would let write anyway.
    if ((st.st_mode & S_IWUSR) == 0)
        return OpenStatus::ReadOnly;
    m_file = std::fopen(path.c_str(), "r+b");
    if (!m_file) {
        int err = errno;
        if (err == EACCES || err == EPERM || err == EROFS)
            return OpenStatus::ReadOnly;
        Fail(FileErrorText(path, err));
        return OpenStatus::Error;
    }
    m_length = st.st_size;
    return OpenStatus::Ok;
}

ImageFile::OpenStatus ImageFile::OpenForReading(const std::string& path)
{
    Close();
    m_path = path;
    m_error.clear();
    m_file = std::fopen(path.c_str(), "rb");
    if (!m_file) {
        Fail(FileErrorText(path, errno));
        return OpenStatus::Error;
    }
    struct stat st {};
    m_length = ::fstat(fileno(m_file), &st) == 0 ? st.st_size : 0;
    return OpenStatus::Ok;
}

void ImageFile::Close()
{
    if (m_file) {
        if (std::fclose(m_file) != 0 && m_error.empty())
            Fail(FileErrorText(m_path, errno));
        m_file = nullptr;
    }
}

void ImageFile::Fail(const std::string& what)
{
    if (m_error.empty())
        m_error = what;
}

bool ImageFile::SeekFile(int64_t pos)
{
    if (std::fseek(m_file, static_cast<long>(pos), SEEK_SET) != 0) {
        Fail(FileErrorText(m_path, errno));
        return false;
    }
    return true;
}

bool ImageFile::HoldsRom(uint32_t romOffset, size_t n) const
{
    const int64_t start = static_cast<int64_t>(romOffset) + (m_headerless ? 0 : 0x200);
    return start + static_cast<int64_t>(n) <= m_length;
}

size_t ImageFile::ReadRom(uint32_t romOffset, uint8_t* dst, size_t n)
{
    std::fill(dst, dst + n, 0xFF);
    if (g_readObserver)
        g_readObserver(romOffset, n);
    if (!m_file)
        return 0;
    const int64_t start = static_cast<int64_t>(romOffset) + (m_headerless ? 0 : 0x200);
    if (start >= m_length)
        return 0;
    const size_t avail = static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(n), m_length - start));
    if (!SeekFile(start))
        return 0;
    size_t got = std::fread(dst, 1, avail, m_file);
    if (got < avail)
        std::fill(dst + got, dst + avail, 0xFF);
    return got;
}

std::vector<uint8_t> ImageFile::ReadRom(uint32_t romOffset, size_t n)
{
    std::vector<uint8_t> bytes(n);
    ReadRom(romOffset, bytes.data(), n);
    return bytes;
}

bool ImageFile::WriteRom(uint32_t romOffset, const uint8_t* src, size_t n)
{
    if (!m_file || Failed())
        return false;
    if (m_writeLog && n > 0)
        m_writeLog->push_back({romOffset, n});
    const int64_t start = static_cast<int64_t>(romOffset) + (m_headerless ? 0 : 0x200);
    if (start >= m_length || n == 0)
        return true;
    const size_t len = static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(n), m_length - start));
    if (!SeekFile(start))
        return false;
    if (InjectedFailure() || std::fwrite(src, 1, len, m_file) != len) {
        Fail(FileErrorText(m_path, errno));
        return false;
    }
    return true;
}

bool ImageFile::Append(size_t n, uint8_t fill)
{
    if (!m_file || Failed())
        return false;
    if (std::fseek(m_file, 0, SEEK_END) != 0) {
        Fail(FileErrorText(m_path, errno));
        return false;
    }
    std::vector<uint8_t> chunk(std::min<size_t>(n, 0x10000), fill);
    size_t left = n;
    while (left > 0) {
        size_t part = std::min(left, chunk.size());
        if (InjectedFailure() || std::fwrite(chunk.data(), 1, part, m_file) != part) {
            Fail(FileErrorText(m_path, errno));
            return false;
        }
        left -= part;
    }
    if (std::fflush(m_file) != 0) {
        Fail(FileErrorText(m_path, errno));
        return false;
    }
    m_length += static_cast<int64_t>(n);
    return true;
}

} // namespace quorvex
