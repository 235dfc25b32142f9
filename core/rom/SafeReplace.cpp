#include "rom/SafeReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include "rom/TempCopies.h"

namespace quorvex {

namespace {

void (*g_copyMadeHook)() = nullptr;
int g_folderFlushes = 0;

// Copies every byte from one descriptor to another; 0 or the errno.
int CopyBytes(int in, int out)
{
    std::vector<char> buf(1 << 16);
    for (;;) {
        const ssize_t n = ::read(in, buf.data(), buf.size());
        if (n < 0)
            return errno;
        if (n == 0)
            return 0;
        ssize_t done = 0;
        while (done < n) {
            const ssize_t w = ::write(out, buf.data() + done, static_cast<size_t>(n - done));
            if (w < 0)
                return errno;
            done += w;
        }
    }
}

// Flushes the folder's entry list, so that the rename itself is on disk.
// File systems that cannot flush a folder (EINVAL) keep their own order.
int FlushFolder(const std::string& file)
{
    std::string folder = std::filesystem::path(file).parent_path().string();
    if (folder.empty())
        folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int err = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    if (err == EINVAL)
        err = 0;
    ++g_folderFlushes;
    return err;
}

std::string LinkNotice(const std::string& path, nlink_t links)
{
    const unsigned long others = static_cast<unsigned long>(links) - 1;
    return "\"" + path + "\" has " + std::to_string(others) +
           (others == 1 ? " other name (a hard link)" : " other names (hard links)") +
           ": the save made a new file under this name only, and the other names keep the old bytes.";
}

} // namespace

void SafeReplace::SetCopyMadeHook(void (*hook)()) { g_copyMadeHook = hook; }

int SafeReplace::FolderFlushCount() { return g_folderFlushes; }

SafeReplace::SafeReplace(const std::string& path, const std::string& source) : m_path(path), m_source(source)
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
    Forget();
}

void SafeReplace::Forget()
{
    ReleaseTempCopy(m_slot);
    m_slot = -1;
}

bool SafeReplace::Fail(const std::string& path, int err)
{
    if (m_error.empty())
        m_error = FileErrorText(path, err);
    return false;
}

bool SafeReplace::Begin()
{
    RemoveStaleCopies(m_path);
    const std::string& from = m_source.empty() ? m_path : m_source;
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return Fail(from, errno);
    std::string tmpl = TempCopyTemplate(m_path);
    const int out = ::mkstemp(tmpl.data());
    if (out < 0) {
        const int err = errno;
        ::close(in);
        return Fail(m_path, err);
    }
    m_temp = tmpl;
    m_slot = RegisterTempCopy(m_temp);
    int err = CopyBytes(in, out);
    ::close(in);
    if (::close(out) != 0 && err == 0)
        err = errno;
    if (err != 0)
        return Fail(m_temp, err);
    if (g_copyMadeHook)
        g_copyMadeHook();
    return true;
}

bool SafeReplace::Commit()
{
    struct stat st {};
    bool newFile = false;
    if (::stat(m_path.c_str(), &st) != 0) {
        // Save As to a new name: the new file gets the source's
        // permissions (without set-id bits) and the saving user as owner.
        if (errno != ENOENT || m_source.empty() || ::stat(m_source.c_str(), &st) != 0)
            return Fail(m_path, errno);
        st.st_mode &= 0777;
        st.st_nlink = 1;
        newFile = true;
    }
    const int fd = ::open(m_temp.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return Fail(m_temp, errno);
    // Owner first: changing it clears the set-id bits that fchmod restores.
    // Only the superuser may give a file away; anyone may keep the group
    // when they belong to it. Where neither is allowed the copy keeps the
    // saving user's, as any new file would.
    if (!newFile && (st.st_uid != ::geteuid() || st.st_gid != ::getegid())) {
        if (::fchown(fd, st.st_uid, st.st_gid) != 0)
            (void)!::fchown(fd, static_cast<uid_t>(-1), st.st_gid);
    }
    ::fchmod(fd, st.st_mode & 07777);
    const bool synced = ::fsync(fd) == 0;
    const int syncErr = errno;
    ::close(fd);
    if (!synced)
        return Fail(m_temp, syncErr);
    if (::rename(m_temp.c_str(), m_path.c_str()) != 0)
        return Fail(m_path, errno);
    m_committed = true;
    Forget();
    if (st.st_nlink > 1)
        m_notice = LinkNotice(m_path, st.st_nlink);
    // The contents are in place whatever happens now: a failed folder
    // flush is told as a notice (the rename may not survive a power loss
    // yet), never as a failed save.
    if (const int err = FlushFolder(m_path); err != 0) {
        if (!m_notice.empty())
            m_notice += "\n";
        m_notice += "The image was saved, but its folder could not be flushed to disk (" +
                    std::string(std::strerror(err)) + "): the save may not survive a power loss.";
    }
    return true;
}

std::string ImageWriteRefusal(const std::string& path)
{
    ImageFile probe;
    switch (probe.Open(path)) {
    case ImageFile::OpenStatus::ReadOnly: return kReadOnlyMessage;
    case ImageFile::OpenStatus::Error: return probe.ErrorText();
    case ImageFile::OpenStatus::Ok: break;
    }
    return "";
}

namespace {

ReplaceResult WriteThroughCopy(const std::string& source, const std::string& path, bool headerless,
                               const std::function<void(ImageFile&)>& write, const std::function<void()>& beforeCommit)
{
    ReplaceResult result;
    // Refuse early, before any copy is made, when the file may not be
    // written (a new file for Save As has nothing to refuse yet).
    std::error_code ec;
    if (source.empty() || std::filesystem::exists(path, ec))
        result.error = ImageWriteRefusal(path);
    if (!result.error.empty())
        return result;
    SafeReplace replace(path, source);
    if (!replace.Begin()) {
        result.error = replace.ErrorText();
        return result;
    }
    ImageFile f;
    if (f.Open(replace.TempPath()) != ImageFile::OpenStatus::Ok) {
        result.error = f.Failed() ? f.ErrorText() : FileErrorText(replace.TempPath(), EACCES);
        return result; // the copy is removed by SafeReplace
    }
    f.SetHeaderless(headerless);
    write(f);
    f.Close();
    if (f.Failed()) {
        result.error = f.ErrorText();
        return result;
    }
    if (beforeCommit)
        beforeCommit();
    if (!replace.Commit()) {
        result.error = replace.ErrorText();
        result.notice = replace.NoticeText();
        return result;
    }
    result.notice = replace.NoticeText();
    result.ok = true;
    return result;
}

} // namespace

ReplaceResult RewriteImageFile(const std::string& path, bool headerless, const std::function<void(ImageFile&)>& write,
                               const std::function<void()>& beforeCommit)
{
    return WriteThroughCopy({}, path, headerless, write, beforeCommit);
}

ReplaceResult WriteImageCopy(const std::string& source, const std::string& path, bool headerless,
                             const std::function<void(ImageFile&)>& write, const std::function<void()>& beforeCommit)
{
    if (SameFile(source, path))
        return RewriteImageFile(path, headerless, write, beforeCommit);
    return WriteThroughCopy(source, path, headerless, write, beforeCommit);
}

bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

} // namespace quorvex
