#include "render/qr_penalty.h"
#include "render/qr_symbol.h"

#include <gtest/gtest.h>
#include <memory>
#include <qrencode.h>
#include <random>

extern "C" int Mask_evaluateSymbol(int width, unsigned char *frame) __attribute__((weak));

namespace
{
QString randomText(std::mt19937 &random)
{
    static const QString alphabets[] = {QStringLiteral("0123456789"),
                                        QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:"),
                                        QStringLiteral("abcxyzÄÖÜéè€-_/?=&0123456789 ")};
    const QString &alphabet = alphabets[random() % 3];
    QString text;
    const int length = 1 + int(random() % (random() % 4 ? 60 : 700));
    for (int i = 0; i < length; ++i)
        text += alphabet[qsizetype(random() % alphabet.size())];
    return text;
}
} // namespace

// The mask chosen on bit rows is the one libqrencode's own encoder chooses: the same symbols for
// texts of every mode and of many versions, up to large ones.
TEST(QrSymbol, SameSymbolsAsTheLibrarysOwnEncoder)
{
    ASSERT_TRUE(QrScoredHere());
    std::mt19937 random(7);
    for (int i = 0; i < 1500; ++i) {
        const QString text = randomText(random);
        const QByteArray utf8 = text.toUtf8();
        std::unique_ptr<QRcode, decltype(&QRcode_free)> want(
            QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_L, QR_MODE_8, 1), &QRcode_free);
        ASSERT_TRUE(want);
        const QImage got = QrSymbolImage(text);
        ASSERT_EQ(got.width(), want->width + 2) << text.toStdString();
        bool same = true;
        for (int y = 0; y < got.height() && same; ++y)
            for (int x = 0; x < got.width() && same; ++x) {
                const bool inside = x > 0 && y > 0 && x <= want->width && y <= want->width;
                same = (got.pixel(x, y) == qRgb(0, 0, 0)) ==
                       (inside && (want->data[(y - 1) * want->width + x - 1] & 1));
            }
        EXPECT_TRUE(same) << "version " << want->version << ": " << text.toStdString();
    }
}

// Scored alike on any pattern, not only on real symbols: runs at the edges, scaled finder-like
// runs, blocks, and lines longer than one 64-bit word.
TEST(QrSymbol, PatternPenaltyAsTheLibraryScoresIt)
{
    if (!Mask_evaluateSymbol) GTEST_SKIP() << "libqrencode without its mask evaluation";
    std::mt19937 random(11);
    for (int i = 0; i < 400; ++i) {
        const int side = 21 + 4 * int(random() % 40);
        const unsigned darkness = 1 + random() % 7;
        std::vector<unsigned char> frame(size_t(side) * size_t(side));
        QrBits rows(side), columns(side);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                // Sometimes runs copied from the module before, so that long runs come up.
                const bool copy = x > 0 && random() % 3 == 0;
                const bool dark = copy ? frame[size_t(y * side + x - 1)] & 1 : random() % 8 < darkness;
                frame[size_t(y * side + x)] = dark;
                if (dark) {
                    rows.set(x, y);
                    columns.set(y, x);
                }
            }
        EXPECT_EQ(QrPatternPenalty(rows, columns), Mask_evaluateSymbol(side, frame.data())) << "side " << side;
    }
}
