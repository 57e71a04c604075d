#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QSettings;

// The mail utility's work, apart from its window: the desktop program starts it as
// "ZelUtlMail zelsil <mailId> <list file> ' '" after an export, and it mails every file the
// list names to the recipients of mailId.
namespace zelmail
{

struct Arguments {
    int mailId = 0;
    QString listPath;
};

// args without the program name. Empty optional and *error set when they are not ours.
std::optional<Arguments> ParseArguments(const QStringList &args, QString *error);

// The list names one file a line (CR LF, the desktop's 8-bit code page); blank lines are skipped.
// A line that names no file in codePage is tried as UTF-8 and in the other interface code pages.
// Every named file must exist, and there must be at least one.
std::optional<QStringList> ReadList(const QString &listPath, int codePage, QString *error);

enum class TlsMode { No, Try, Required };

struct MailSettings {
    QStringList to;
    QString from;
    QString subjectTemplate; // %1: name of the first file, %2: mail id
    QString bodyTemplate;    // %1: the files' names, one a line
    QString smtpUrl;         // empty: hand the message to the desktop's mail program
    TlsMode tls = TlsMode::Try;
    QString user;
    QString password;
    int connectTimeoutSeconds = 20;
    int timeoutSeconds = 120;
    int codePage = 0; // of the list file ([General] CodePage in ini files); 0: the system locale's
};

// ZELUTLMAIL_SETTINGS names an ini file to use instead of the user's own settings.
std::unique_ptr<QSettings> OpenSettings();
std::optional<MailSettings> ReadSettings(QSettings &store, int mailId, QString *error);

QString Subject(const MailSettings &settings, int mailId, const QStringList &files);
QString Body(const MailSettings &settings, const QStringList &files);

// RFC 2047 encoded words when the text is not plain ASCII.
QByteArray EncodeHeaderText(const QString &text);
QByteArray ContentTypeFor(const QString &fileName);

bool SendSmtp(const MailSettings &settings, const QString &subject, const QString &body,
              const QStringList &files, QString *error);
// xdg-email (found on PATH) opens the user's mail program with the message filled in.
bool HandToMailProgram(const MailSettings &settings, const QString &subject, const QString &body,
                       const QStringList &files, QString *error);

// The whole job; 0 when sent, 1 with *error set otherwise.
int Run(const QStringList &args, QString *error);

} // namespace zelmail
