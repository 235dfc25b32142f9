#pragma once
// The image file, open only for the length of one operation (open, save,
// a cancelled editor's reload, an expansion). Every access is a seek to a
// table's file offset followed by a read or write of the table's bytes.
//
// Reads past the end of the file give 0xFF for the missing bytes (a table
// that a small or damaged image does not hold). Writes never grow the file:
// the part of a table that lies past the end is not written. The copier
// header is never written.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace quorvex {

constexpr const char* kReadOnlyMessage = "The file has the read-only attribute, Quorvex can't work with it";

class ImageFile {
public:
    enum class OpenStatus { Ok, ReadOnly, Error };

    ImageFile() = default;
    ImageFile(const ImageFile&) = delete;
    ImageFile& operator=(const ImageFile&) = delete;
    ~ImageFile();

    // Opens an existing file for reading and writing, never creating or
    // truncating it. A file the user may not write is ReadOnly.
    OpenStatus Open(const std::string& path);
    // Opens for reading only (used where nothing will be written).
    OpenStatus OpenForReading(const std::string& path);
    void Close();
    bool IsOpen() const { return m_file != nullptr; }

    void SetHeaderless(bool headerless) { m_headerless = headerless; }
    bool Headerless() const { return m_headerless; }

    int64_t Length() const { return m_length; }
    // Bytes of game data the file holds (its length less any copier header).
    int64_t RomLength() const { return m_headerless ? m_length : m_length - 0x200; }

    // Reads n bytes at a ROM offset; returns how many came from the file.
    size_t ReadRom(uint32_t romOffset, uint8_t* dst, size_t n);
    std::vector<uint8_t> ReadRom(uint32_t romOffset, size_t n);
    // True when the whole range lies inside the file.
    bool HoldsRom(uint32_t romOffset, size_t n) const;

    // Writes n bytes at a ROM offset, clipped to the file. False on an I/O error.
    bool WriteRom(uint32_t romOffset, const uint8_t* src, size_t n);
    bool WriteRom(uint32_t romOffset, const std::vector<uint8_t>& bytes)
    {
        return WriteRom(romOffset, bytes.data(), bytes.size());
    }
    // Appends n copies of a byte at the end of the file.
    bool Append(size_t n, uint8_t fill);

    // Tests only: the n-th write from now on (0 = the next) fails as a full
    // disk would; negative switches the failure off.
    static void InjectWriteFailure(int n);
    // Tests only: called with the ROM offset and length of every read (a
    // fuzzer learns from it which bytes the loaders depend on); null stops.
    static void ObserveReads(void (*observer)(uint32_t romOffset, size_t n));

    // Tests only: every write from now on adds the ROM range it was asked
    // for to `log` (null stops). A save recorded this way shows which
    // bytes each table writes, so that overlapping tables can be caught.
    struct WriteRange {
        uint32_t romOffset;
        size_t size;
    };
    void RecordWrites(std::vector<WriteRange>* log) { m_writeLog = log; }

    // The first I/O failure, as text for the user; empty when none.
    const std::string& ErrorText() const { return m_error; }
    bool Failed() const { return !m_error.empty(); }

private:
    bool SeekFile(int64_t pos);
    void Fail(const std::string& what);

    std::FILE* m_file = nullptr;
    std::string m_path;
    bool m_headerless = false;
    int64_t m_length = 0;
    std::string m_error;
    std::vector<WriteRange>* m_writeLog = nullptr;
};

// "Cannot open file \"path\": reason" style text for a failed open.
std::string FileErrorText(const std::string& path, int err);

// After a failed write of an output file (a picture, an export): removes
// what was left at `path` when it is a regular file. Anything else (a
// device such as /dev/full, a pipe) is never removed, even by a user who
// may.
void RemoveFailedOutput(const std::string& path);

} // namespace quorvex
