// The hand-off to the mail utility: temporary names, the list file and the arguments.
#include "export/mail_handoff.h"
#include "test_support.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(MailHandoff, NamesListAndArguments)
{
    // Seconds and the first two digits of the milliseconds; a name in use waits for the clock.
    std::vector<QTime> times = {QTime(10, 20, 45, 123), QTime(10, 20, 45, 123), QTime(9, 5, 7, 5)};
    size_t tick = 0;
    const auto clock = [&] { return times[std::min(tick++, times.size() - 1)]; };
    EXPECT_EQ(MakeTemporaryName("mailing", clock, [](const QString &) { return false; }), "mail4512.tmp");
    QStringList asked;
    EXPECT_EQ(MakeTemporaryName("mail", clock,
                                [&](const QString &n) {
                                    asked << n;
                                    return n == "mail4512.tmp";
                                }),
              "mail0705.tmp");
    EXPECT_EQ(asked, QStringList({"mail4512.tmp", "mail0705.tmp"}));

    // The list: one path a line, CR LF, UTF-8 (a name outside every code page, too), beside the
    // first file.
    QTemporaryDir dir;
    const QString folder = dir.filePath(QString::fromUtf8("Łódź ş"));
    QDir().mkpath(folder);
    const QStringList files = {folder + "/inv(1).jpeg", folder + "/inv(2).jpeg"};
    QString error;
    const QString list = WriteMailList(files, &error);
    ASSERT_FALSE(list.isEmpty()) << error.toStdString();
    EXPECT_EQ(QFileInfo(list).absolutePath(), QFileInfo(folder).absoluteFilePath());
    EXPECT_TRUE(QFileInfo(list).fileName().startsWith("mail"));
    EXPECT_EQ(testsupport::readAll(list), files[0].toUtf8() + "\r\n" + files[1].toUtf8() + "\r\n");
    EXPECT_FALSE(testsupport::readAll(list).contains('\x1A'));
    // A name with a line break would read back as two paths.
    EXPECT_TRUE(WriteMailList({folder + "/a\nb.pdf"}, &error).isEmpty());
    EXPECT_TRUE(error.contains("line break")) << error.toStdString();

    // The path goes as it is, blanks and all; no -mail option means id 0.
    EXPECT_EQ(MailArguments(0, list), QStringList({"zelsil", "0", list, " "}));
}
