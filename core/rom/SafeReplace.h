#pragma once
// Replacing a file without ever leaving it half written: the new contents
// are prepared in a copy beside it, which is flushed to disk and renamed
// over the original only when all went well.
#include <string>

namespace quorvex {

class SafeReplace {
public:
    explicit SafeReplace(const std::string& path);
    ~SafeReplace(); // removes the copy unless committed
    SafeReplace(const SafeReplace&) = delete;
    SafeReplace& operator=(const SafeReplace&) = delete;

    // Copies the original (following symbolic links) into a new file in
    // the same folder.
    bool Begin();
    const std::string& TempPath() const { return m_temp; }
    // Flushes the copy, gives it the original's permissions and renames it
    // over the original.
    bool Commit();
    const std::string& ErrorText() const { return m_error; }

private:
    bool Fail(const std::string& path, int err);

    std::string m_path;   // the real file (links resolved)
    std::string m_temp;
    std::string m_error;
    bool m_committed = false;
};

} // namespace quorvex
