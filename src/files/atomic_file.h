#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <vector>

class QImage;

// The folder's temporaries are recognised by this start of their names.
QByteArray AtomicTemporaryPrefix();

// The one way every output of the programs reaches the disk: the bytes go to a temporary file
// beside the target, every write is checked, the file is synced and then renamed over the
// target. Until commit() succeeds the previous file stays untouched; a failure leaves nothing (the
// destructor removes the temporary file), and what a crash leaves is removed by the next write to
// that folder once the process that made it is gone.
class AtomicFile : public QIODevice
{
public:
    explicit AtomicFile(const QString &target);
    ~AtomicFile() override;

    // Creates the temporary file; false (see error()) when the folder is not writable or the
    // target is something other than a plain file.
    bool open(OpenMode mode = WriteOnly) override;
    // Syncs, closes and renames; false when any write failed or the rename did.
    bool commit();
    // Commits many files with one sync of each file system and of each folder instead of one per
    // file (a batch of small files is otherwise bound by the disk's sync time). Each file's own
    // result stays in its error().
    static void CommitAll(const std::vector<AtomicFile *> &files);
    // Hands the written bytes to the system and closes the temporary without making it the
    // target yet: a batch waiting for CommitAll then holds no descriptor and no buffer. False
    // (see error()) when a write failed.
    bool setAside();
    // Drops what was written; the target stays as it was.
    void discard();

    bool isSequential() const override { return true; }
    // "Cannot write <target>: <reason>", the reason being the system's own words.
    QString error() const { return m_error; }
    QString target() const { return m_target; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override;

private:
    void fail(const QString &reason);
    void closeDescriptor();
    // Writes the buffered bytes to the system; false after the first failure.
    bool flushBuffer();
    // With SOURCE_DATE_EPOCH set, a PDF loses what its writer took from the clock.
    void stamp();

    QString m_target; // as the caller named it, for messages
    QString m_final;  // links resolved
    QString m_temporary;
    QString m_error;
    int m_fd = -1;
    bool m_setAside = false; // written and closed, waiting to be committed
    // Writers hand over small pieces (an XML token at a time): the system sees large ones.
    QByteArray m_buffer;
};

// Whole-buffer and picture forms of the same path. error receives AtomicFile::error().
bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);
bool SaveImageAtomically(const QString &path, const QImage &image, const char *format, int quality = -1,
                         QString *error = nullptr);
