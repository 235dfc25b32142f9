#pragma once
// Replacing a file without ever leaving it half written: the new contents
// are prepared in a copy beside it, which is flushed to disk and renamed
// over the original only when all went well; the folder is flushed after
// the rename so that the replacement survives a power loss.
//
// The copy becomes a new file under the original's name. It gets the
// original's permissions, and its owner and group where the process may set
// them. Other names of the same file (hard links) are not new files: they
// keep the old contents, and NoticeText() says so.
#include <functional>
#include <string>

#include "rom/ImageFile.h"

namespace quorvex {

class SafeReplace {
public:
    // With a `source`, the copy starts from that file instead (Save As):
    // `path` then need not exist, and a new file gets the source's
    // permissions.
    explicit SafeReplace(const std::string& path, const std::string& source = {});
    ~SafeReplace(); // removes the copy unless committed
    SafeReplace(const SafeReplace&) = delete;
    SafeReplace& operator=(const SafeReplace&) = delete;

    // Removes the copies earlier processes left behind, then copies the
    // original (following symbolic links) into a new file in the same
    // folder.
    bool Begin();
    const std::string& TempPath() const { return m_temp; }
    // Flushes the copy, gives it the original's permissions, owner and
    // group, renames it over the original and flushes the folder.
    bool Commit();
    const std::string& ErrorText() const { return m_error; }
    // After a commit: what the user should know about other names of the
    // file (empty when it has none).
    const std::string& NoticeText() const { return m_notice; }

    // Tests only: called once the copy exists, before anything is written
    // into it (a test stops the process there).
    static void SetCopyMadeHook(void (*hook)());
    // Tests only: how many folders were flushed after a rename so far.
    static int FolderFlushCount();

private:
    bool Fail(const std::string& path, int err);
    void Forget();

    std::string m_path;   // the real file (links resolved)
    std::string m_source; // where the copy starts from; empty: m_path
    std::string m_temp;
    std::string m_error;
    std::string m_notice;
    int m_slot = -1;      // the copy's entry in the signal handler's table
    bool m_committed = false;
};

// The outcome of rewriting an image file.
struct ReplaceResult {
    bool ok = false;
    std::string error;  // why nothing was written
    std::string notice; // shown after a successful rewrite (other names keep the old bytes)
};

// Empty when the image at `path` may be written; otherwise why not
// (kReadOnlyMessage for a write-protected file).
std::string ImageWriteRefusal(const std::string& path);

// Rewrites the image at `path` as one all-or-nothing step: refuses a file
// that may not be written (kReadOnlyMessage), runs `write` on a copy opened
// as an ImageFile (header state as given), and puts the copy in place only
// when every write succeeded. On any failure the file is untouched.
// `beforeCommit` runs after every write succeeded and just before the copy
// replaces the image (while the image still holds its old bytes).
ReplaceResult RewriteImageFile(const std::string& path, bool headerless, const std::function<void(ImageFile&)>& write,
                               const std::function<void()>& beforeCommit = {});

// The same step for Save As: the copy starts from the image at `source`
// and is put in place at `path`, which may be a new file. An existing file
// at `path` is refused when it may not be written, and replaced only when
// every write succeeded.
ReplaceResult WriteImageCopy(const std::string& source, const std::string& path, bool headerless,
                             const std::function<void(ImageFile&)>& write,
                             const std::function<void()>& beforeCommit = {});

// True when both names lead to the same file (links followed).
bool SameFile(const std::string& a, const std::string& b);

} // namespace quorvex
