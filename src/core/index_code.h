#pragma once
// Index codes and cells of the table's cell strings.
//
// A cell is four bytes: the three-byte index code of a record of the other
// dimension followed by one cover byte (160 + cover percentage 1..95).

#include <cstdint>
#include <string>
#include <string_view>

namespace zembu::core {

inline constexpr int CellSize = 4;
// Highest record number an index code can carry, plus one.
inline constexpr int32_t IndexCodeLimit = 128 * 65536;

// kod: encodes record number n (0 <= n < 128 * 65536) as three bytes:
// 255 - n / 65536, (n % 65536) / 256, n % 256.
inline std::string kod(int32_t n) {
    std::string code(3, '\0');
    code[0] = static_cast<char>(255 - n / 65536);
    code[1] = static_cast<char>((n % 65536) / 256);
    code[2] = static_cast<char>(n % 256);
    return code;
}

// Writes kod(n) at out[0..2] without allocating.
inline void kodInto(char* out, int32_t n) {
    out[0] = static_cast<char>(255 - n / 65536);
    out[1] = static_cast<char>((n % 65536) / 256);
    out[2] = static_cast<char>(n % 256);
}

// unkod: decodes the first three bytes of code; 0 when the first byte is 127
// or less (it would stand for a number of 128 * 65536 or more).
inline int32_t unkod(const char* code) {
    const int v = 255 - static_cast<unsigned char>(code[0]);
    if (v >= 128) return 0;
    return v * 65536 + static_cast<unsigned char>(code[1]) * 256 +
           static_cast<unsigned char>(code[2]);
}
inline int32_t unkod(std::string_view code) {
    return code.size() < 3 ? 0 : unkod(code.data());
}

// kod_P: the sort-key form of kod; the first byte is n / 65536 uninverted,
// so keys compare in the order of the numbers. Never stored in a cell.
inline std::string kod_P(int32_t n) {
    std::string code(3, '\0');
    code[0] = static_cast<char>(n / 65536);
    code[1] = static_cast<char>((n % 65536) / 256);
    code[2] = static_cast<char>(n % 256);
    return code;
}

// Cover byte of a cover percentage 1..95, and back.
inline char coverByte(int percent) { return static_cast<char>(160 + percent); }
inline int coverPercent(char byte) { return static_cast<unsigned char>(byte) - 160; }

// Number of whole cells in a cell string.
inline int cellCount(std::string_view cells) { return static_cast<int>(cells.size() / CellSize); }

// Record number held by cell i (0-based) of a cell string.
inline int32_t cellRecord(std::string_view cells, int i) { return unkod(cells.data() + i * CellSize); }

// Cover byte of cell i (0-based).
inline char cellCoverByte(std::string_view cells, int i) { return cells[i * CellSize + 3]; }

// Appends the cell [kod(record)][cover byte] to a cell string.
inline void appendCell(std::string& cells, int32_t record, char cover) {
    char cell[CellSize];
    kodInto(cell, record);
    cell[3] = cover;
    cells.append(cell, CellSize);
}

}  // namespace zembu::core
