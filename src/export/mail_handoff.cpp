#include "export/mail_handoff.h"

#include "files/atomic_file.h"

#include <QDir>
#include <QFileInfo>

QString MakeTemporaryName(const QString &prefix, const std::function<QTime()> &clock,
                          const std::function<bool(const QString &)> &taken)
{
    QString name;
    // The clock moves on between tries; past a few thousand the names of every slot are gone,
    // and a number makes one.
    for (int tries = 0;; ++tries) {
        const QTime t = clock();
        const QString time = QString::asprintf("%02d:%02d:%02d:%02d", t.hour(), t.minute(), t.second(), t.msec());
        name = prefix.left(4) + time.mid(6, 2) + time.mid(9, 2) + QStringLiteral(".tmp");
        if (tries > 5000) name.insert(name.size() - 4, QLatin1Char('_') + QString::number(tries));
        if (!taken(name)) return name;
    }
}

QString WriteMailList(const QStringList &files, QString *error)
{
    if (files.isEmpty()) {
        if (error) *error = QStringLiteral("No file to send");
        return {};
    }
    const QDir folder = QFileInfo(files.first()).absoluteDir();
    const QString name = MakeTemporaryName(
        QStringLiteral("mail"), [] { return QTime::currentTime(); },
        [&folder](const QString &n) { return folder.exists(n); });
    QByteArray text;
    for (const QString &file : files) {
        if (file.contains(QLatin1Char('\n')) || file.contains(QLatin1Char('\r'))) {
            // One path a line: such a name would become two paths.
            if (error)
                *error =
                    QStringLiteral("The list of files to send cannot hold a name with a line break: ") + file;
            return {};
        }
        text += QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()).toUtf8() + "\r\n";
    }
    const QString path = folder.filePath(name);
    return WriteFileAtomically(path, text, error) ? path : QString();
}

QStringList MailArguments(int mailId, const QString &listPath)
{
    return {QStringLiteral("zelsil"), QString::number(mailId), listPath, QStringLiteral(" ")};
}
