#pragma once
// The field conventions every editor follows: how a number field is read,
// clamped and rewritten, how hexadecimal fields look, how a check list maps
// its cells to record bits, and the captions of the progress window.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvex {

// A number field's range: [minimum, bound), bound one past the largest value.
struct FieldRange {
    int32_t minimum = 0;
    int32_t bound = 256;
};

// Reads a number field: at most the first five characters, parsed as a
// decimal number (a leading minus only when the range goes below 0; a
// field that does not parse reads as 0), clamped to the range. The result
// is what the field stores and shows.
int32_t ReadNumberField(const std::string& text, FieldRange range);
// The text a number field shows for a value.
std::string NumberFieldText(int64_t value);

// Stores a read value into a record field of `bytes` width (1, 2 or 4),
// little-endian: narrow fields keep the low 8 or 16 bits.
void StoreFieldValue(uint8_t* field, int bytes, int32_t value);
int64_t LoadFieldValue(const uint8_t* field, int bytes, bool isSigned = false);

// "%02X" for 8-bit fields, "%04X" for 16-bit fields.
std::string HexFieldText(uint32_t value, int digits);
// Parses hexadecimal text; -1 when it does not parse (the caller keeps the
// old value). Surrounding spaces are ignored; a value that does not fit in
// `digits` digits does not parse either.
int32_t ReadHexField(const std::string& text, int digits);

// A check-list cell's bit: row r maps to bit (r % 8) of byte (r / 8) of the
// column's bit field, unless an editor says otherwise.
struct CheckBit {
    int byte = -1; // -1: the cell maps to no bit
    int bit = 0;
};
inline CheckBit DefaultCheckBit(int row) { return {row / 8, row % 8}; }

// One state column of a check list.
class CheckColumn {
public:
    explicit CheckColumn(int rows = 0) : m_cells(static_cast<size_t>(rows), false) {}
    int Rows() const { return static_cast<int>(m_cells.size()); }
    bool Cell(int row) const { return row >= 0 && row < Rows() && m_cells[static_cast<size_t>(row)]; }
    void SetCell(int row, bool on)
    {
        if (row >= 0 && row < Rows())
            m_cells[static_cast<size_t>(row)] = on;
    }
    // A click or double click on a cell flips it.
    void Toggle(int row) { SetCell(row, !Cell(row)); }
    // A header click: all to "1" when none is "1", otherwise all to "0".
    void HeaderClick();
    // "1" or "0".
    static const char* CellText(bool on) { return on ? "1" : "0"; }

    // Loads every cell from its bit; cells that map to no bit (or to a byte
    // outside `size`) are left alone.
    void Load(const uint8_t* field, size_t size, const std::vector<CheckBit>& map);
    // Writes every mapped bit from its cell.
    void Commit(uint8_t* field, size_t size, const std::vector<CheckBit>& map) const;

private:
    std::vector<bool> m_cells;
};

// The default mapping for a column of `rows` rows.
std::vector<CheckBit> DefaultCheckMap(int rows);

// Progress captions shown while editors fill their lists.
extern const char* const kProgressCaptions[14];

} // namespace quorvex
