#include "rom/SafeReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

#include "rom/ImageFile.h"

namespace quorvex {

SafeReplace::SafeReplace(const std::string& path) : m_path(path)
{
    std::error_code ec;
    const auto real = std::filesystem::canonical(path, ec);
    if (!ec)
        m_path = real.string();
}

SafeReplace::~SafeReplace()
{
    if (!m_committed && !m_temp.empty())
        ::unlink(m_temp.c_str());
}

bool SafeReplace::Fail(const std::string& path, int err)
{
    if (m_error.empty())
        m_error = FileErrorText(path, err);
    return false;
}

bool SafeReplace::Begin()
{
    const int in = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return Fail(m_path, errno);
    std::string tmpl = m_path + ".quorvex-XXXXXX";
    const int out = ::mkstemp(tmpl.data());
    if (out < 0) {
        const int err = errno;
        ::close(in);
        return Fail(m_path, err);
    }
    m_temp = tmpl;
    std::vector<char> buf(1 << 16);
    bool ok = true;
    int err = 0;
    for (;;) {
        const ssize_t n = ::read(in, buf.data(), buf.size());
        if (n < 0) {
            ok = false;
            err = errno;
            break;
        }
        if (n == 0)
            break;
        ssize_t done = 0;
        while (done < n) {
            const ssize_t w = ::write(out, buf.data() + done, static_cast<size_t>(n - done));
            if (w < 0) {
                ok = false;
                err = errno;
                break;
            }
            done += w;
        }
        if (!ok)
            break;
    }
    ::close(in);
    if (::close(out) != 0 && ok) {
        ok = false;
        err = errno;
    }
    return ok ? true : Fail(m_temp, err);
}

bool SafeReplace::Commit()
{
    struct stat st {};
    if (::stat(m_path.c_str(), &st) != 0)
        return Fail(m_path, errno);
    const int fd = ::open(m_temp.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return Fail(m_temp, errno);
    const bool synced = ::fsync(fd) == 0;
    const int syncErr = errno;
    ::fchmod(fd, st.st_mode & 07777);
    ::close(fd);
    if (!synced)
        return Fail(m_temp, syncErr);
    if (::rename(m_temp.c_str(), m_path.c_str()) != 0)
        return Fail(m_path, errno);
    m_committed = true;
    return true;
}

} // namespace quorvex
