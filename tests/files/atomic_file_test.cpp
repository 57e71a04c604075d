#include "files/atomic_file.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
QStringList hiddenTemporaries(const QString &folder)
{
    return QDir(folder).entryList({QString::fromLatin1(AtomicTemporaryPrefix()) + '*'},
                                  QDir::Files | QDir::Hidden);
}

// A process that dies half way through a write, as under kill -9: its temporary stays behind.
pid_t dieWhileWriting(const QString &target)
{
    const pid_t child = ::fork();
    if (child == 0) {
        auto *file = new AtomicFile(target); // never destroyed: nothing cleans up
        const bool opened = file->open();
        if (opened) file->write("half");
        ::_exit(opened ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? child : -1;
}
} // namespace

TEST(AtomicFile, StaleTemporariesOfDeadWritersAreRemovedOnTheNextWrite)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("report.pdf");
    ASSERT_GT(dieWhileWriting(target), 0);
    const QStringList left = hiddenTemporaries(dir.path());
    ASSERT_EQ(left.size(), 1);
    // The name does not grow with the target's.
    EXPECT_LT(left[0].size(), 40);

    // Not ours, or of a process still alive (this one's parent): kept.
    const QString alien = dir.filePath(".report.pdf.Ab12Cd");
    const QString living =
        dir.filePath(QString::fromLatin1(AtomicTemporaryPrefix()) + QString::number(::getppid()) + "-Ab12Cd");
    testsupport::writeAll(alien, "x");
    testsupport::writeAll(living, "x");

    QString error;
    ASSERT_TRUE(WriteFileAtomically(dir.filePath("other.txt"), "new", &error)) << error.toStdString();
    EXPECT_EQ(hiddenTemporaries(dir.path()), QStringList{QFileInfo(living).fileName()});
    EXPECT_TRUE(QFile::exists(alien));
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_EQ(testsupport::readAll(dir.filePath("other.txt")), QByteArray("new"));
}

TEST(AtomicFile, NamesUpToTheFileSystemsLimit)
{
    QTemporaryDir dir;
    for (int length : {248, 255}) {
        const QString name = QString(length - 4, QLatin1Char('n')) + ".pdf";
        const QString path = dir.filePath(name);
        QString error;
        ASSERT_TRUE(WriteFileAtomically(path, "first", &error)) << length << error.toStdString();
        ASSERT_TRUE(WriteFileAtomically(path, "second", &error)) << length << error.toStdString();
        EXPECT_EQ(testsupport::readAll(path), QByteArray("second"));
    }
    // One byte more is the file system's refusal, said, and nothing is left behind.
    QString error;
    EXPECT_FALSE(WriteFileAtomically(dir.filePath(QString(256, QLatin1Char('n'))), "x", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(hiddenTemporaries(dir.path()).isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}
