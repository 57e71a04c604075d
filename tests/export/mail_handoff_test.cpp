// The hand-off to the mail utility: temporary names, the list file and the arguments.
#include "export/mail_handoff.h"
#include "model/code_page.h"
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

    // The list: one path a line, CR LF, 8-bit text of the code page, beside the first file.
    QTemporaryDir dir;
    const QString folder = dir.filePath("ay ş");
    QDir().mkpath(folder);
    const QStringList files = {folder + "/inv(1).jpeg", folder + "/inv(2).jpeg"};
    QString error;
    const QString list = WriteMailList(files, 1254, &error);
    ASSERT_FALSE(list.isEmpty()) << error.toStdString();
    EXPECT_EQ(QFileInfo(list).absolutePath(), QFileInfo(folder).absoluteFilePath());
    EXPECT_TRUE(QFileInfo(list).fileName().startsWith("mail"));
    EXPECT_EQ(testsupport::readAll(list), EncodeAnsi(files[0], 1254) + "\r\n" + EncodeAnsi(files[1], 1254) + "\r\n");
    EXPECT_TRUE(testsupport::readAll(list).contains('\xFE')) << "ş in code page 1254";

    // The path goes as it is, blanks and all; no -mail option means id 0.
    EXPECT_EQ(MailArguments(0, list), QStringList({"zelsil", "0", list, " "}));
}
