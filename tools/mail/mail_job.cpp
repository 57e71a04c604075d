#include "mail_job.h"

#include "model/code_page.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryFile>
#include <QUuid>

#include <curl/curl.h>
#include <sys/stat.h>

namespace zelmail
{

namespace
{

// A list names a handful of files; anything this big is not one of ours.
constexpr qint64 kMaxListBytes = 4 * 1024 * 1024;
// A few recipients and texts; the same bound as the list.
constexpr qint64 kMaxSettingsBytes = kMaxListBytes;

QString plainPath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// "Name <a@b>" and "a@b" both give a@b: the envelope wants the bare address.
QByteArray envelopeAddress(const QString &address)
{
    const qsizetype open = address.indexOf(QLatin1Char('<'));
    const qsizetype close = address.lastIndexOf(QLatin1Char('>'));
    const QString bare = open >= 0 && close > open ? address.mid(open + 1, close - open - 1) : address;
    return '<' + bare.trimmed().toUtf8() + '>';
}

// Nothing from a file name or a setting may start a header of its own.
QString oneLine(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QByteArray rfc2822Date(const QDateTime &now)
{
    const int offset = now.offsetFromUtc() / 60;
    const int abs = offset < 0 ? -offset : offset;
    return QLocale::c().toString(now, QStringLiteral("ddd, dd MMM yyyy hh:mm:ss ")).toLatin1() +
           (offset < 0 ? '-' : '+') + QByteArray::number(abs / 60).rightJustified(2, '0') +
           QByteArray::number(abs % 60).rightJustified(2, '0');
}

// RFC 2231 for names that are not plain ASCII; quoted-string otherwise.
QByteArray dispositionFor(const QString &fileName)
{
    const QByteArray utf8 = oneLine(fileName).toUtf8();
    bool ascii = true;
    for (char c : utf8)
        if (static_cast<unsigned char>(c) >= 0x80 || c < 0x20) ascii = false;
    if (ascii) {
        QByteArray quoted = utf8;
        quoted.replace('\\', "\\\\").replace('"', "\\\"");
        return "Content-Disposition: attachment; filename=\"" + quoted + '"';
    }
    return "Content-Disposition: attachment; filename*=UTF-8''" +
           utf8.toPercentEncoding();
}

QStringList addressList(const QVariant &value)
{
    // Unquoted commas make QSettings' ini reader hand back a list.
    const QString joined = value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(','))
                                                                   : value.toString();
    QStringList out;
    for (QString a : joined.split(QRegularExpression(QStringLiteral("[,;]")))) {
        a = oneLine(a).trimmed();
        if (!a.isEmpty()) out << a;
    }
    return out;
}

// QSettings' ini reader splits unquoted values at commas; prose takes them back.
QString settingText(QSettings &store, const QString &key, const QString &fallback = {})
{
    const QVariant value = store.value(key, fallback);
    return value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1String(", ")) : value.toString();
}

struct CurlHandles {
    CURL *curl = curl_easy_init();
    curl_mime *mime = nullptr;
    curl_slist *recipients = nullptr;
    curl_slist *headers = nullptr;
    ~CurlHandles()
    {
        curl_mime_free(mime);
        curl_slist_free_all(recipients);
        curl_slist_free_all(headers);
        if (curl) curl_easy_cleanup(curl);
    }
};

} // namespace

std::optional<Arguments> ParseArguments(const QStringList &args, QString *error)
{
    const QString usage = QStringLiteral("usage: ZelUtlMail zelsil <mail id> <list file> \" \"");
    // The desktop program adds a lone blank as the last argument; tolerate its absence.
    const bool trailingBlank = args.size() == 4 && args[3].trimmed().isEmpty();
    if ((args.size() != 3 && !trailingBlank) || args[0] != QLatin1String("zelsil")) {
        *error = usage;
        return std::nullopt;
    }
    bool ok = false;
    const int id = args[1].toInt(&ok);
    if (!ok || id < 0) {
        *error = QStringLiteral("the mail id must be a whole number, not \"%1\"\n%2").arg(args[1], usage);
        return std::nullopt;
    }
    if (args[2].trimmed().isEmpty()) {
        *error = usage;
        return std::nullopt;
    }
    return Arguments{id, args[2]};
}

std::optional<QStringList> ReadList(const QString &listPath, int codePage, QString *error)
{
    const QFileInfo info(listPath);
    if (!info.isFile()) {
        *error = QStringLiteral("the list file %1 does not exist").arg(plainPath(listPath));
        return std::nullopt;
    }
    if (info.size() > kMaxListBytes) {
        *error = QStringLiteral("the list file %1 is too large to be a list of files").arg(plainPath(listPath));
        return std::nullopt;
    }
    QFile file(listPath);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read the list file %1: %2").arg(plainPath(listPath), file.errorString());
        return std::nullopt;
    }
    const QByteArray bytes = file.read(kMaxListBytes + 1);

    QStringList files;
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r')) line.chop(1);
        if (line.trimmed().isEmpty()) continue;
        // The desktop writes UTF-8; older ones wrote their interface language's code page, which
        // the user may have switched away from the locale's: a name that only another reading
        // finds is taken.
        QStringDecoder utf8(QStringDecoder::Utf8);
        QString path = utf8.decode(line);
        if (utf8.hasError() || !QFileInfo(path).isFile()) path = DecodeAnsi(line, codePage);
        if (!QFileInfo(path).isFile()) {
            QStringList readings;
            for (int other : {1252, 1254, 1251})
                if (other != codePage) readings << DecodeAnsi(line, other);
            for (const QString &reading : readings)
                if (QFileInfo(reading).isFile()) {
                    path = reading;
                    break;
                }
        }
        const QFileInfo listed(path);
        if (!listed.exists()) {
            *error = QStringLiteral("the list names %1, which does not exist").arg(plainPath(path));
            return std::nullopt;
        }
        if (!listed.isFile() || !listed.isReadable()) {
            *error = QStringLiteral("the list names %1, which is not a readable file").arg(plainPath(path));
            return std::nullopt;
        }
        files << path;
    }
    if (files.isEmpty()) {
        *error = QStringLiteral("the list file %1 names no file to send").arg(plainPath(listPath));
        return std::nullopt;
    }
    return files;
}

QString SettingsFileProblem(const QString &path)
{
    struct stat s {
    };
    if (::stat(QFile::encodeName(path).constData(), &s) != 0) return {}; // none yet: no settings
    if (!S_ISREG(s.st_mode))
        return QStringLiteral("the settings %1 are not a plain file").arg(plainPath(path));
    if (s.st_size > kMaxSettingsBytes)
        return QStringLiteral("the settings %1 are too large to be mail settings").arg(plainPath(path));
    return {};
}

std::unique_ptr<QSettings> OpenSettings(QString *error)
{
    // QSettings reads its file whole and at once: a pipe would block it, a huge file fill memory.
    QString path = qEnvironmentVariable("ZELUTLMAIL_SETTINGS");
    const bool own = !path.isEmpty();
    if (!own)
        path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
               QStringLiteral("/ZEL/ZelUtlMail.conf");
    if (const QString problem = SettingsFileProblem(path); !problem.isEmpty()) {
        *error = problem;
        return nullptr;
    }
    if (own) return std::make_unique<QSettings>(path, QSettings::IniFormat);
    return std::make_unique<QSettings>(QStringLiteral("ZEL"), QStringLiteral("ZelUtlMail"));
}

std::optional<MailSettings> ReadSettings(QSettings &store, int mailId, QString *error)
{
    MailSettings s;
    const QString where = plainPath(store.fileName());
    s.to = addressList(store.value(QStringLiteral("Recipients/%1").arg(mailId)));
    if (s.to.isEmpty()) {
        *error = QStringLiteral("mail id %1 has no recipient: add \"%1=address\" under [Recipients] in %2")
                     .arg(QString::number(mailId), where);
        return std::nullopt;
    }
    s.from = oneLine(settingText(store, QStringLiteral("Mail/From"))).trimmed();
    s.subjectTemplate = settingText(store, QStringLiteral("Mail/Subject"), QStringLiteral("Report %1"));
    s.bodyTemplate = settingText(store, QStringLiteral("Mail/Body"), QStringLiteral("Please find the report attached.\n\n%1"));
    s.codePage = store.value(QStringLiteral("CodePage"), 0).toInt();

    s.smtpUrl = store.value(QStringLiteral("Smtp/Url")).toString().trimmed();
    if (!s.smtpUrl.isEmpty()) {
        if (!s.smtpUrl.startsWith(QLatin1String("smtp://"), Qt::CaseInsensitive) &&
            !s.smtpUrl.startsWith(QLatin1String("smtps://"), Qt::CaseInsensitive)) {
            *error = QStringLiteral("Smtp/Url in %1 must start with smtp:// or smtps://, not \"%2\"").arg(where, s.smtpUrl);
            return std::nullopt;
        }
        if (s.from.isEmpty()) {
            *error = QStringLiteral("sending through %1 needs a sender: set Mail/From in %2").arg(s.smtpUrl, where);
            return std::nullopt;
        }
    }
    const QString tls = store.value(QStringLiteral("Smtp/Tls"), QStringLiteral("try")).toString().trimmed().toLower();
    if (tls == QLatin1String("required")) s.tls = TlsMode::Required;
    else if (tls == QLatin1String("no")) s.tls = TlsMode::No;
    else if (tls == QLatin1String("try")) s.tls = TlsMode::Try;
    else {
        *error = QStringLiteral("Smtp/Tls in %1 takes required, try or no, not \"%2\"").arg(where, tls);
        return std::nullopt;
    }
    // Unlike prose, a login cannot be guessed back from the pieces of a split value.
    for (const QString &key : {QStringLiteral("Smtp/User"), QStringLiteral("Smtp/Password")}) {
        if (store.value(key).typeId() == QMetaType::QStringList) {
            *error = QStringLiteral("%1 in %2 holds a comma: put the value in double quotes").arg(key, where);
            return std::nullopt;
        }
    }
    s.user = store.value(QStringLiteral("Smtp/User")).toString();
    s.password = store.value(QStringLiteral("Smtp/Password")).toString();
    s.connectTimeoutSeconds = qBound(1, store.value(QStringLiteral("Smtp/ConnectTimeout"), 20).toInt(), 300);
    s.timeoutSeconds = qBound(5, store.value(QStringLiteral("Smtp/Timeout"), 120).toInt(), 3600);
    return s;
}

QString Subject(const MailSettings &settings, int mailId, const QStringList &files)
{
    QString subject = settings.subjectTemplate;
    subject.replace(QLatin1String("%2"), QString::number(mailId));
    subject.replace(QLatin1String("%1"), files.isEmpty() ? QString() : QFileInfo(files.first()).fileName());
    return oneLine(subject).trimmed();
}

QString Body(const MailSettings &settings, const QStringList &files)
{
    QStringList names;
    for (const QString &f : files) names << QFileInfo(f).fileName();
    QString body = settings.bodyTemplate;
    body.replace(QLatin1String("%1"), names.join(QLatin1Char('\n')));
    body.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    body.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    if (!body.endsWith(QLatin1String("\r\n"))) body += QLatin1String("\r\n");
    return body;
}

QByteArray EncodeHeaderText(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    bool plain = !utf8.contains("=?");
    for (char c : utf8)
        if (static_cast<unsigned char>(c) >= 0x7f || c < 0x20) plain = false;
    // A run without blanks longer than a line cannot be folded; encoded words can.
    for (const QByteArray &run : utf8.split(' '))
        if (run.size() > kFoldWidth - 12) plain = false;
    if (plain) return utf8;

    // Words of at most 39 bytes (64 characters) fit on a line after "Subject: " and never split a
    // character.
    QByteArray out;
    qsizetype start = 0;
    while (start < utf8.size()) {
        qsizetype end = qMin(start + 39, utf8.size());
        while (end < utf8.size() && end > start + 1 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) --end;
        if (!out.isEmpty()) out += ' ';
        out += "=?UTF-8?B?" + utf8.mid(start, end - start).toBase64() + "?=";
        start = end;
    }
    return out;
}

QByteArray FoldHeader(const QByteArray &header)
{
    // Fold at blanks only: unfolding takes just the line break away, so the text stays the same.
    QByteArray out, line;
    for (const QByteArray &word : header.split(' ')) {
        if (line.isEmpty()) {
            line = word;
            continue;
        }
        if (!word.isEmpty() && line.size() + 1 + word.size() > kFoldWidth && !line.trimmed().endsWith(':')) {
            out += line + "\r\n";
            line.clear();
        }
        line += ' ' + word;
    }
    return out + line;
}

QByteArray ContentTypeFor(const QString &fileName)
{
    static const QHash<QString, QByteArray> types = {
        {QStringLiteral("pdf"), "application/pdf"},
        {QStringLiteral("txt"), "text/plain"},
        {QStringLiteral("csv"), "text/csv"},
        {QStringLiteral("htm"), "text/html"},
        {QStringLiteral("html"), "text/html"},
        {QStringLiteral("mht"), "message/rfc822"},
        {QStringLiteral("mhtml"), "message/rfc822"},
        {QStringLiteral("xml"), "application/xml"},
        {QStringLiteral("rtf"), "application/rtf"},
        {QStringLiteral("xls"), "application/vnd.ms-excel"},
        {QStringLiteral("xlsx"), "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet"},
        {QStringLiteral("doc"), "application/msword"},
        {QStringLiteral("png"), "image/png"},
        {QStringLiteral("jpg"), "image/jpeg"},
        {QStringLiteral("jpeg"), "image/jpeg"},
        {QStringLiteral("gif"), "image/gif"},
        {QStringLiteral("bmp"), "image/bmp"},
        {QStringLiteral("tif"), "image/tiff"},
        {QStringLiteral("tiff"), "image/tiff"},
        {QStringLiteral("svg"), "image/svg+xml"},
        {QStringLiteral("emf"), "image/emf"},
        {QStringLiteral("wmf"), "image/wmf"},
        {QStringLiteral("zip"), "application/zip"},
    };
    return types.value(QFileInfo(fileName).suffix().toLower(), "application/octet-stream");
}

bool SendSmtp(const MailSettings &settings, const QString &subject, const QString &body,
              const QStringList &files, QString *error)
{
    CurlHandles h;
    if (!h.curl) {
        *error = QStringLiteral("libcurl could not start");
        return false;
    }
    char curlError[CURL_ERROR_SIZE] = {};
    const QByteArray url = settings.smtpUrl.toUtf8();
    const QByteArray from = envelopeAddress(settings.from);
    const QByteArray user = settings.user.toUtf8();
    const QByteArray password = settings.password.toUtf8();
    curl_easy_setopt(h.curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(h.curl, CURLOPT_MAIL_FROM, from.constData());
    for (const QString &to : settings.to) h.recipients = curl_slist_append(h.recipients, envelopeAddress(to).constData());
    curl_easy_setopt(h.curl, CURLOPT_MAIL_RCPT, h.recipients);
    if (!settings.user.isEmpty()) {
        curl_easy_setopt(h.curl, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(h.curl, CURLOPT_PASSWORD, password.constData());
    }
    curl_easy_setopt(h.curl, CURLOPT_USE_SSL,
                     settings.tls == TlsMode::Required ? CURLUSESSL_ALL
                     : settings.tls == TlsMode::Try    ? CURLUSESSL_TRY
                                                       : CURLUSESSL_NONE);
    curl_easy_setopt(h.curl, CURLOPT_CONNECTTIMEOUT, long(settings.connectTimeoutSeconds));
    curl_easy_setopt(h.curl, CURLOPT_TIMEOUT, long(settings.timeoutSeconds));
    curl_easy_setopt(h.curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h.curl, CURLOPT_ERRORBUFFER, curlError);

    const QByteArray domain = from.mid(from.lastIndexOf('@') + 1).chopped(1);
    // libcurl sends these as they are, one line each: long ones are folded here.
    const QList<QByteArray> headers = {
        "Date: " + rfc2822Date(QDateTime::currentDateTime()),
        FoldHeader("From: " + settings.from.toUtf8()),
        FoldHeader("To: " + settings.to.join(QLatin1String(", ")).toUtf8()),
        FoldHeader("Subject: " + EncodeHeaderText(subject)),
        "Message-ID: <" + QUuid::createUuid().toString(QUuid::WithoutBraces).toLatin1() + '@' +
            (from.contains('@') && !domain.isEmpty() ? domain : QByteArray("localhost")) + '>',
    };
    for (const QByteArray &header : headers) h.headers = curl_slist_append(h.headers, header.constData());
    curl_easy_setopt(h.curl, CURLOPT_HTTPHEADER, h.headers);

    h.mime = curl_mime_init(h.curl);
    curl_mimepart *text = curl_mime_addpart(h.mime);
    const QByteArray bodyBytes = body.toUtf8();
    curl_mime_data(text, bodyBytes.constData(), size_t(bodyBytes.size()));
    curl_mime_type(text, "text/plain; charset=utf-8");
    curl_mime_encoder(text, "quoted-printable");
    for (const QString &path : files) {
        curl_mimepart *part = curl_mime_addpart(h.mime);
        if (curl_mime_filedata(part, QFile::encodeName(path).constData()) != CURLE_OK) {
            *error = QStringLiteral("cannot attach %1").arg(plainPath(path));
            return false;
        }
        // Our own disposition header carries non-ASCII names; libcurl's would send raw bytes.
        curl_mime_filename(part, nullptr);
        curl_mime_type(part, ContentTypeFor(path).constData());
        curl_mime_encoder(part, "base64");
        curl_slist *partHeaders = curl_slist_append(nullptr, dispositionFor(QFileInfo(path).fileName()).constData());
        curl_mime_headers(part, partHeaders, 1);
    }
    curl_easy_setopt(h.curl, CURLOPT_MIMEPOST, h.mime);

    const CURLcode rc = curl_easy_perform(h.curl);
    if (rc == CURLE_OK) return true;
    const QString detail = QString::fromUtf8(curlError[0] ? curlError : curl_easy_strerror(rc)).trimmed();
    switch (rc) {
    case CURLE_LOGIN_DENIED:
        *error = QStringLiteral("the mail server %1 refused the login of \"%2\": %3").arg(settings.smtpUrl, settings.user, detail);
        break;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_OPERATION_TIMEDOUT:
        *error = QStringLiteral("could not reach the mail server %1: %2").arg(settings.smtpUrl, detail);
        break;
    case CURLE_USE_SSL_FAILED:
        *error = QStringLiteral("the mail server %1 does not offer TLS, which Smtp/Tls requires: %2").arg(settings.smtpUrl, detail);
        break;
    default:
        *error = QStringLiteral("sending through %1 failed: %2").arg(settings.smtpUrl, detail);
    }
    return false;
}

bool HandToMailProgram(const MailSettings &settings, const QString &subject, const QString &body,
                       const QStringList &files, QString *error)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    if (program.isEmpty()) {
        *error = QStringLiteral("no mail server is set (Smtp/Url) and xdg-email, which would hand the message "
                                "to the mail program, is not installed");
        return false;
    }
    QStringList args{QStringLiteral("--utf8")};
    for (const QString &to : settings.to) args << QStringLiteral("--to") << to;
    args << QStringLiteral("--subject") << subject << QStringLiteral("--body") << body;
    for (const QString &f : files) args << QStringLiteral("--attach") << f;

    // Some mail programs keep xdg-email in the foreground until their window closes: a process
    // still running after the wait has the message and is left alone (a deleted QProcess kills it).
    auto *process = new QProcess;
    QTemporaryFile errors;
    errors.open();
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(errors.fileName());
    process->start(program, args);
    if (!process->waitForStarted(10000)) {
        *error = QStringLiteral("cannot start %1: %2").arg(program, process->errorString());
        delete process;
        return false;
    }
    if (!process->waitForFinished(20000)) return true;
    const bool ok = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    if (!ok)
        *error = QStringLiteral("%1 failed (exit code %2): %3")
                     .arg(program, QString::number(process->exitCode()),
                          QString::fromLocal8Bit(errors.readAll()).trimmed());
    delete process;
    return ok;
}

int Run(const QStringList &args, QString *error)
{
    const std::optional<Arguments> parsed = ParseArguments(args, error);
    if (!parsed) return 1;
    const std::unique_ptr<QSettings> store = OpenSettings(error);
    if (!store) return 1;
    if (store->status() != QSettings::NoError) {
        *error = QStringLiteral("cannot read the settings %1").arg(plainPath(store->fileName()));
        return 1;
    }
    const std::optional<MailSettings> settings = ReadSettings(*store, parsed->mailId, error);
    if (!settings) return 1;
    const int codePage = settings->codePage ? settings->codePage : CodePageForLocale(QLocale::system());
    const std::optional<QStringList> files = ReadList(parsed->listPath, codePage, error);
    if (!files) return 1;

    const QString subject = Subject(*settings, parsed->mailId, *files);
    const QString body = Body(*settings, *files);
    const bool sent = settings->smtpUrl.isEmpty() ? HandToMailProgram(*settings, subject, body, *files, error)
                                                  : SendSmtp(*settings, subject, body, *files, error);
    return sent ? 0 : 1;
}

} // namespace zelmail
