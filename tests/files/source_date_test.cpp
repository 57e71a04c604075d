#include "files/source_date.h"
#include "test_support.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace
{
QByteArray stamped(const QByteArray &bytes, const QDateTime &time)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("f.pdf");
    testsupport::writeAll(path, bytes);
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
    EXPECT_GE(fd, 0);
    EXPECT_TRUE(StampReproduciblePdf(fd, time));
    ::close(fd);
    return testsupport::readAll(path);
}
} // namespace

// The writer's clock and chance leave the file at the same length (offsets stay right): dates in
// UTC whatever offset they had, both halves of /ID the digest of what comes before the trailer.
TEST(ReproduciblePdf, DatesAndIdentifierAreRewrittenInPlace)
{
    const QByteArray body = "%PDF-1.4\n1 0 obj\n<<\n/CreationDate (D:20261207013005+01'00')\n"
                            "/ModDate (D:20261207003005Z)\n>>\nendobj\n";
    const QByteArray pdf = body + "trailer\n<<\n/Size 2\n/ID [<0123456789abcdef0123456789abcdef> "
                                  "<fedcba9876543210fedcba9876543210>]\n>>\nstartxref\n9\n%%EOF\n";
    const QDateTime time = QDateTime::fromSecsSinceEpoch(1700000000, Qt::UTC); // 2023-11-14 22:13:20
    const QByteArray out = stamped(pdf, time);
    ASSERT_EQ(out.size(), pdf.size());
    EXPECT_TRUE(out.contains("/CreationDate (D:20231114221320+00'00')")) << out.constData();
    EXPECT_TRUE(out.contains("/ModDate (D:20231114221320Z)")) << out.constData();
    const QByteArray digest =
        QCryptographicHash::hash(out.left(body.size()), QCryptographicHash::Md5).toHex();
    EXPECT_TRUE(out.contains("/ID [<" + digest + "> <" + digest + ">]")) << out.constData();
    // Another time, another date: nothing else in the file decides it.
    EXPECT_TRUE(stamped(pdf, time.addDays(1)).contains("D:20231115221320Z"));

    const QByteArray text = "not a PDF /CreationDate (D:20261207013005Z)\ntrailer /ID [<00>]";
    EXPECT_EQ(stamped(text, time), text);
}
