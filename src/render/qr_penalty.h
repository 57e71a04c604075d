#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

// A square of modules as bit rows (bit x of row y is module (x, y), true for dark), up to the
// 177 modules of the largest QR Code.
struct QrBits {
    static constexpr int kMaxSide = 177;
    static constexpr int kWords = (kMaxSide + 63) / 64;
    using Row = std::array<uint64_t, kWords>;

    int side = 0;
    std::vector<Row> rows;

    explicit QrBits(int side = 0) : side(side), rows(std::size_t(side), Row{}) {}
    bool at(int x, int y) const { return (rows[std::size_t(y)][std::size_t(x / 64)] >> (x % 64)) & 1; }
    void set(int x, int y) { rows[std::size_t(y)][std::size_t(x / 64)] |= uint64_t(1) << (x % 64); }
};

// The penalty by which a QR Code encoder picks its mask, as libqrencode scores it: runs of five
// or more (3 and one per module more), 2 x 2 blocks of one colour (3), 1:1:3:1:1 finder-like
// runs at any scale with four light modules' room on a side or the edge (40), rows and columns
// alike, and 10 for each whole 5 % the dark share lies from half. rows and columns are the same
// modules, the columns transposed. Counting stops once the penalty reaches bound: the result is
// then bound or more, which is all that a search for the least needs to know.
int QrPenalty(const QrBits &rows, const QrBits &columns, int bound = std::numeric_limits<int>::max());
// The same without the dark share's part, for comparing with libqrencode's own evaluation.
int QrPatternPenalty(const QrBits &rows, const QrBits &columns);
