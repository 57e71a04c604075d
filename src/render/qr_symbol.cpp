#include "render/qr_symbol.h"

#include <QHash>
#include <cstdlib>
#include <memory>
#include <qrencode.h>
#include <vector>

// libqrencode's steps below its public calls. Its public encoder scores all eight masks, which
// costs more than the rest of a label; scoring them on bit rows here picks the same mask in a
// fraction of that. Weak: a library without them leaves them null, and the public call is used.
extern "C" {
int Split_splitStringToQRinput(const char *string, QRinput *input, QRencodeMode hint, int casesensitive)
    __attribute__((weak));
QRcode *QRcode_encodeMask(QRinput *input, int mask) __attribute__((weak));
unsigned char *Mask_makeMask(int width, unsigned char *frame, int mask, QRecLevel level) __attribute__((weak));
}

namespace
{
constexpr int kMasks = 8;
constexpr unsigned char kFunctionModule = 0x80; // libqrencode: not data or error correction

using Code = std::unique_ptr<QRcode, decltype(&QRcode_free)>;

// The symbol of a width with every data module light under each mask: what does not depend on the
// data (finder, timing and alignment patterns, format and version information, the mask).
struct Blank {
    std::vector<unsigned char> mask0; // bytes, as libqrencode lays them out, under mask 0
    QrBits rows[kMasks];
    QrBits columns[kMasks];
};

const Blank *blankFor(const QRcode &code)
{
    thread_local QHash<int, std::shared_ptr<Blank>> blanks;
    const int n = code.width;
    if (auto it = blanks.constFind(n); it != blanks.cend()) return it->get();
    auto blank = std::make_shared<Blank>();
    std::vector<unsigned char> frame(code.data, code.data + size_t(n) * size_t(n));
    for (unsigned char &m : frame)
        if (!(m & kFunctionModule)) m = 0;
    for (int mask = 0; mask < kMasks; ++mask) {
        std::unique_ptr<unsigned char, decltype(&free)> masked(Mask_makeMask(n, frame.data(), mask, QR_ECLEVEL_L), &free);
        if (!masked) return nullptr;
        if (mask == 0) blank->mask0.assign(masked.get(), masked.get() + frame.size());
        blank->rows[mask] = QrBits(n);
        blank->columns[mask] = QrBits(n);
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x)
                if (masked.get()[y * n + x] & 1) {
                    blank->rows[mask].set(x, y);
                    blank->columns[mask].set(y, x);
                }
    }
    return blanks.insert(n, blank)->get();
}

QrBits xorOf(const QrBits &a, const QrBits &b)
{
    QrBits out(a.side);
    for (size_t y = 0; y < out.rows.size(); ++y)
        for (size_t w = 0; w < out.rows[y].size(); ++w)
            out.rows[y][w] = a.rows[y][w] ^ b.rows[y][w];
    return out;
}

// The symbol's dark modules: encoded under mask 0, its data taken back out of that mask and put
// under the mask that scores least, the first of equals as libqrencode takes it.
bool encodeScored(const QByteArray &utf8, QrBits &symbol)
{
    if (!Split_splitStringToQRinput || !QRcode_encodeMask || !Mask_makeMask) return false;
    std::unique_ptr<QRinput, decltype(&QRinput_free)> input(QRinput_new2(0, QR_ECLEVEL_L), &QRinput_free);
    if (!input || Split_splitStringToQRinput(utf8.constData(), input.get(), QR_MODE_8, 1) < 0) return false;
    const Code code(QRcode_encodeMask(input.get(), 0), &QRcode_free);
    if (!code || code->width > QrBits::kMaxSide) return false;
    const Blank *blank = blankFor(*code);
    if (!blank) return false;
    const int n = code->width;
    QrBits dataRows(n), dataColumns(n); // the data alone, unmasked
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const size_t i = size_t(y) * size_t(n) + size_t(x);
            if (!(code->data[i] & kFunctionModule) && ((code->data[i] ^ blank->mask0[i]) & 1)) {
                dataRows.set(x, y);
                dataColumns.set(y, x);
            }
        }
    int best = -1, least = 0;
    for (int mask = 0; mask < kMasks; ++mask) {
        const int penalty = QrPenalty(xorOf(blank->rows[mask], dataRows), xorOf(blank->columns[mask], dataColumns),
                                      best < 0 ? std::numeric_limits<int>::max() : least);
        if (best < 0 || penalty < least) {
            best = mask;
            least = penalty;
        }
    }
    symbol = xorOf(blank->rows[best], dataRows);
    return true;
}

QrBits encodePublic(const QByteArray &utf8)
{
    // QR_MODE_8 as the hint lets the encoder pick numeric, alphanumeric or byte segments itself.
    const Code code(QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_L, QR_MODE_8, 1), &QRcode_free);
    if (!code) return QrBits();
    QrBits symbol(code->width);
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x)
            if (code->data[y * code->width + x] & 1) symbol.set(x, y);
    return symbol;
}

bool sameSymbol(const QrBits &a, const QrBits &b)
{
    return a.side == b.side && a.rows == b.rows;
}

// Once per process: the scored path gives libqrencode's own symbols for texts of each mode and
// of several versions, or it is not used.
bool scoredWorks()
{
    static const bool works = [] {
        for (const char *probe : {"4006381333931", "HELLO WORLD 42", "https://example.com/p/400638100017",
                                  "Tessaly \xc3\xa9\xc3\xa8 QR", "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:"
                                  "0123456789abcdefghijklmnopqrstuvwxyz0123456789abcdefghijklmnopqrstuvwxyz"}) {
            QrBits scored;
            if (!encodeScored(probe, scored) || !sameSymbol(scored, encodePublic(probe))) return false;
        }
        return true;
    }();
    return works;
}
} // namespace

bool QrScoredHere()
{
    return scoredWorks();
}

QrBits QrSymbolBits(const QString &text)
{
    if (text.isEmpty()) return QrBits();
    const QByteArray utf8 = text.toUtf8();
    QrBits code;
    if (!scoredWorks() || !encodeScored(utf8, code)) code = encodePublic(utf8);
    return code;
}

QImage QrSymbolImage(const QString &text)
{
    const QrBits symbol = QrSymbolBits(text);
    if (symbol.side == 0) return {};
    const int side = symbol.side + 2 * kQrQuietZone;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < symbol.side; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y + kQrQuietZone)) + kQrQuietZone;
        for (int x = 0; x < symbol.side; ++x)
            if (symbol.at(x, y)) line[x] = qRgb(0, 0, 0);
    }
    return image;
}
