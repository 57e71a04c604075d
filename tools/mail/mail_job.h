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

// The list names one file a line (CR LF, UTF-8); blank lines are skipped. A line that is not
// UTF-8 or names no file so is read in codePage (older desktops wrote their 8-bit code page),
// and then in the other interface code pages.
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

// ZELUTLMAIL_SETTINGS names an ini file to use instead of the user's own settings. The file must
// be a plain file of at most a few MiB (no pipe, no device); null with *error set otherwise.
std::unique_ptr<QSettings> OpenSettings(QString *error);
// Empty when path is missing or a plain file small enough to be mail settings.
QString SettingsFileProblem(const QString &path);
std::optional<MailSettings> ReadSettings(QSettings &store, int mailId, QString *error);

QString Subject(const MailSettings &settings, int mailId, const QStringList &files);
QString Body(const MailSettings &settings, const QStringList &files);

// Header lines are folded to this width where blanks allow (RFC 5322 asks for 78).
constexpr int kFoldWidth = 78;
// RFC 2047 encoded words, each short enough for a line of its own, when the text is not plain
// ASCII or holds a run without blanks too long to fold.
QByteArray EncodeHeaderText(const QString &text);
// "Name: value" as lines of at most kFoldWidth characters where blanks allow, CR LF and a blank
// before each continuation.
QByteArray FoldHeader(const QByteArray &header);
QByteArray ContentTypeFor(const QString &fileName);

bool SendSmtp(const MailSettings &settings, const QString &subject, const QString &body,
              const QStringList &files, QString *error);
// xdg-email (found on PATH) opens the user's mail program with the message filled in.
bool HandToMailProgram(const MailSettings &settings, const QString &subject, const QString &body,
                       const QStringList &files, QString *error);

// The whole job; 0 when sent, 1 with *error set otherwise.
int Run(const QStringList &args, QString *error);

} // namespace zelmail
