#include "render/qr_penalty.h"

#include <bit>
#include <cstdlib>

namespace
{
using Row = QrBits::Row;

// Runs along a line, light first: a line that starts dark gets the placeholder -1 for the
// light run it does not have, so that odd runs are dark. The runs end where a module differs
// from the one before it.
int lineRuns(const Row &line, int side, int *run)
{
    int n = 0;
    if (line[0] & 1) run[n++] = -1;
    int start = 0;
    uint64_t carry = line[0] & 1; // the module before each word's first, as if the line went on
    for (int w = 0; w * 64 < side; ++w) {
        const uint64_t bits = line[size_t(w)];
        uint64_t changes = bits ^ ((bits << 1) | carry);
        carry = bits >> 63;
        const int end = side - w * 64;
        if (end < 64) changes &= (uint64_t(1) << end) - 1;
        while (changes) {
            const int at = w * 64 + std::countr_zero(changes);
            run[n++] = at - start;
            start = at;
            changes &= changes - 1;
        }
    }
    run[n++] = side - start;
    return n;
}

int runsPenalty(const int *run, int n)
{
    int p = 0;
    for (int i = 0; i < n; ++i)
        if (run[i] >= 5) p += 3 + (run[i] - 5);
    // A dark run of 3f between runs of f (dark, light, dark, light, dark).
    for (int i = 3; i < n - 2; i += 2) {
        const int f = run[i - 1];
        if (run[i] == 3 * f && run[i - 2] == f && run[i + 1] == f && run[i + 2] == f &&
            (i == 3 || run[i - 3] >= 4 * f || i + 4 >= n || run[i + 3] >= 4 * f))
            p += 40;
    }
    return p;
}

int linesPenalty(const QrBits &lines, int bound = std::numeric_limits<int>::max())
{
    int run[QrBits::kMaxSide + 2];
    int p = 0;
    for (const Row &line : lines.rows) {
        p += runsPenalty(run, lineRuns(line, lines.side, run));
        if (p >= bound) break;
    }
    return p;
}

// Pairs of neighbours in the first words of r: bit x set when modules x and x + 1 are both set.
Row pairs(const Row &r, int words)
{
    Row out{};
    for (int w = 0; w < words; ++w) {
        const uint64_t next = w + 1 < words ? r[size_t(w + 1)] << 63 : 0;
        out[size_t(w)] = r[size_t(w)] & ((r[size_t(w)] >> 1) | next);
    }
    return out;
}

int blocksPenalty(const QrBits &rows)
{
    const int side = rows.side;
    const int words = (side + 63) / 64; // most symbols fit one word
    Row within{};                       // the bits 0 .. side - 2, where a pair can start
    for (int x = 0; x + 1 < side; ++x)
        within[size_t(x / 64)] |= uint64_t(1) << (x % 64);
    int blocks = 0;
    for (int y = 1; y < side; ++y) {
        const Row &a = rows.rows[size_t(y - 1)], &b = rows.rows[size_t(y)];
        Row la{}, lb{};
        for (int w = 0; w < words; ++w) {
            la[size_t(w)] = ~a[size_t(w)];
            lb[size_t(w)] = ~b[size_t(w)];
        }
        const Row da = pairs(a, words), db = pairs(b, words), lla = pairs(la, words), llb = pairs(lb, words);
        for (int w = 0; w < words; ++w)
            blocks += std::popcount(((da[size_t(w)] & db[size_t(w)]) | (lla[size_t(w)] & llb[size_t(w)])) &
                                    within[size_t(w)]);
    }
    return 3 * blocks;
}
} // namespace

int QrPatternPenalty(const QrBits &rows, const QrBits &columns)
{
    return blocksPenalty(rows) + linesPenalty(rows) + linesPenalty(columns);
}

int QrPenalty(const QrBits &rows, const QrBits &columns, int bound)
{
    int dark = 0;
    for (const Row &r : rows.rows)
        for (const uint64_t w : r)
            dark += std::popcount(w);
    const int all = rows.side * rows.side;
    const int percent = (200 * dark + all) / all / 2; // rounded
    int p = std::abs(percent - 50) / 5 * 10 + blocksPenalty(rows);
    if (p < bound) p += linesPenalty(rows, bound - p);
    if (p < bound) p += linesPenalty(columns, bound - p);
    return p;
}
