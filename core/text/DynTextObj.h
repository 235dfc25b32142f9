#pragma once
// A block of game text: strings packed one after the other, each ended by a
// 0x00 code, and a table of pointers, one per string slot. Town dialogue,
// location names, battle messages and every description block live in one.
//
// After any edit the strings 0 .. count-1 lie packed from data offset 0 in
// slot order, each followed by its 0x00, and the rest of the data is 0xFF.
// Edits that would not fit are refused; the block never overflows.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorvex {

// Operand rule of the length scan.
enum TextScanMode : int32_t {
    kScanDialogue = 0, // 0x11, 0x14, 0x16 and 0x1C-0x1F take one operand byte
    kScanBattle = 1,   // 0x02, 0x06, 0x0C, 0x0E, 0x0F and 0x1C-0x1F take one operand byte
    kScanPlain = 2,    // no operands
};

// Validation flags returned by the loads.
enum TextBlockFlags : int {
    kTextRunsPastNext = 1,  // a string runs past the next slot's pointer
    kTextUnterminated = 2,  // a string without terminator, or outside the data
    kTextOutOfOrder = 4,    // pointers out of order
};

// True when `code` takes an operand byte under the scan mode.
bool TakesOperand(int32_t mode, uint8_t code);

class CFF6DynTextObj {
public:
    CFF6DynTextObj() = default;

    // Free everything; all fields 0.
    void Reset();
    // Sets the parameters and allocates data (filled with 0xFF) and pointers
    // (0), discarding older buffers. Negative sizes count as 0.
    void Init(int32_t mode, int32_t count, int32_t size, int32_t maxPointers, uint32_t base);

    // Copy `size` data bytes and the pointer table, then validate. Missing
    // bytes (shorter inputs) read as 0xFF; missing pointers as 0xFFFF.
    // Pointers16 are little-endian byte pairs as stored in the image.
    int LoadFrom16(const uint8_t* pointers16, size_t pointerBytes, const uint8_t* bytes, size_t n);
    int LoadFrom16(const std::vector<uint8_t>& pointers16, const std::vector<uint8_t>& bytes)
    {
        return LoadFrom16(pointers16.data(), pointers16.size(), bytes.data(), bytes.size());
    }
    int LoadFrom32(const uint32_t* pointers, size_t pointerCount, const uint8_t* bytes, size_t n);
    int LoadFrom32(const std::vector<uint32_t>& pointers, const std::vector<uint8_t>& bytes)
    {
        return LoadFrom32(pointers.data(), pointers.size(), bytes.data(), bytes.size());
    }
    // Validation flags of the current contents.
    int Validate() const;

    // Length of string i without its terminator, or -1 (no such string, or
    // its scan runs off the data).
    int StringLength(int i) const;
    // size - the bytes strings 0 .. count-1 use with their terminators.
    int FreeBytes() const;
    // Bytes the strings use with their terminators.
    int UsedBytes() const;

    // Rebuilds the per-string copies (each with its 0x00).
    void ExtractStrings();
    const std::vector<std::vector<uint8_t>>& Strings() const { return m_strings; }
    // String i without terminator; returns its length (0 and empty for a
    // string that has none).
    int GetString(int i, std::vector<uint8_t>& out) const;
    std::vector<uint8_t> GetString(int i) const
    {
        std::vector<uint8_t> s;
        GetString(i, s);
        return s;
    }

    // Replaces string i by n bytes and repacks the block; -1 (nothing
    // changed) when it does not fit or i is not a string.
    int ReplaceString(int i, const uint8_t* bytes, int n);
    int ReplaceString(int i, const std::vector<uint8_t>& bytes)
    {
        return ReplaceString(i, bytes.data(), static_cast<int>(bytes.size()));
    }
    // Replaces every string at once (one per string slot, without their
    // terminators) and packs the block; -1 (nothing changed) when the count
    // differs or they do not fit.
    int ReplaceAll(const std::vector<std::vector<uint8_t>>& strings);
    // Appends an empty string: -1 when every slot is in use, -2 when no byte
    // is left, else 0.
    int AddString();

    // Low 16 bits of pointer i; 0xFFFF for a slot that does not exist.
    uint16_t Pointer16(int i) const;
    uint32_t Pointer(int i) const;
    // `size` data bytes and all maxPointers pointers as little-endian 16-bit
    // values (2 * maxPointers bytes).
    void ExportTo16(std::vector<uint8_t>& bytesOut, std::vector<uint8_t>& pointers16Out) const;
    void CopyFrom(const CFF6DynTextObj& other);

    int32_t Mode() const { return m_mode; }
    int32_t Size() const { return m_size; }
    int32_t Count() const { return m_count; }
    int32_t MaxPointers() const { return m_maxPointers; }
    uint32_t Base() const { return m_base; }
    const std::vector<uint8_t>& Data() const { return m_data; }
    const std::vector<uint32_t>& Pointers() const { return m_pointers; }
    bool Empty() const { return m_size == 0 && m_maxPointers == 0; }

private:
    // Offset of string i in the data, or -1 when the pointer leads outside.
    int64_t Offset(int i) const;
    // Lays the strings out packed, in slot order, each followed by its 0x00;
    // -1 (nothing changed) when they do not fit.
    struct Piece {
        const uint8_t* bytes;
        int length;
    };
    int Pack(const std::vector<Piece>& pieces);

    std::vector<std::vector<uint8_t>> m_strings;
    std::vector<uint8_t> m_data;
    std::vector<uint32_t> m_pointers;
    int32_t m_mode = 0;
    int32_t m_size = 0;
    int32_t m_count = 0;
    int32_t m_maxPointers = 0;
    uint32_t m_base = 0;
};

} // namespace quorvex
