// The mail utility: its list reading and arguments called directly, and the program itself run
// against a local SMTP server (aiosmtpd) and against a stand-in xdg-email.
#include "mail_job.h"
#include "model/code_page.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QDateTime>
#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace testsupport;

namespace
{

const QString kTurkish = QString::fromUtf8("Fatura ğüşıöç");

// A PDF-looking file holding every byte value, CR LF and lone LF and dot lines included.
QByteArray binaryAttachment()
{
    QByteArray bytes = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\r\n.\r\n..\n";
    for (int round = 0; round < 3; ++round)
        for (int b = 0; b < 256; ++b) bytes += char(b);
    return bytes + "\r\n.\r\n%%EOF";
}

testsupport::Run runMail(const QStringList &args, const QString &settings, const QStringList &extraEnv = {})
{
    QStringList env{QStringLiteral("ZELUTLMAIL_SETTINGS=") + settings, QStringLiteral("ZELUTLMAIL_QUIET=1"),
                    QStringLiteral("QT_QPA_PLATFORM=offscreen")};
    return runProgram(QStringLiteral(ZELUTLMAIL), args, 60000, env + extraEnv);
}

QString pythonWithAiosmtpd()
{
    for (const QString &candidate : {QStringLiteral("/usr/bin/python3"), QStringLiteral("python3")})
        if (runProgram(candidate, {QStringLiteral("-c"), QStringLiteral("import aiosmtpd")}, 30000).exitCode == 0)
            return candidate;
    return {};
}

int freePort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    ::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr);
    ::getsockname(fd, reinterpret_cast<sockaddr *>(&addr), &len);
    ::close(fd);
    return ntohs(addr.sin_port);
}

const char *const kServerScript = R"(
import os, sys
from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult
out, port, mode = sys.argv[1], int(sys.argv[2]), sys.argv[3]
class Store:
    count = 0
    async def handle_DATA(self, server, session, envelope):
        name = os.path.join(out, str(Store.count))
        Store.count += 1
        with open(name + ".rcpt", "w") as f:
            f.write("\n".join(envelope.rcpt_tos))
        with open(name + ".eml", "wb") as f:
            f.write(envelope.original_content)
        return "250 OK"
extra = {}
if mode == "deny":
    extra = dict(authenticator=lambda *a: AuthResult(success=False, handled=False), auth_require_tls=False)
c = Controller(Store(), hostname="127.0.0.1", port=port, **extra)
c.start()
print("ready", flush=True)
sys.stdin.read()
c.stop()
)";

const char *const kParseScript = R"(
import sys, json, base64, email, email.utils
from email import policy
m = email.message_from_binary_file(open(sys.argv[1], "rb"), policy=policy.default)
atts = [{"name": p.get_filename(), "type": p.get_content_type(),
         "data": base64.b64encode(p.get_payload(decode=True)).decode()} for p in m.iter_attachments()]
print(json.dumps({"subject": str(m["subject"]), "to": str(m["to"]), "from": str(m["from"]),
                  "date": email.utils.parsedate_to_datetime(m["date"]).timestamp(),
                  "body": m.get_body(("plain",)).get_content(), "attachments": atts}))
)";

// A local SMTP server for one test; it stores each message as <n>.eml beside <n>.rcpt.
class SmtpServer
{
public:
    SmtpServer(const QString &python, const QString &dir, const QString &mode) : m_dir(dir)
    {
        writeAll(dir + QStringLiteral("/server.py"), kServerScript);
        QDir().mkpath(dir + QStringLiteral("/out"));
        m_port = freePort();
        m_process.start(python, {dir + QStringLiteral("/server.py"), dir + QStringLiteral("/out"),
                                 QString::number(m_port), mode});
        m_process.waitForReadyRead(20000);
        m_ready = m_process.readAllStandardOutput().contains("ready");
    }
    ~SmtpServer()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(10000)) m_process.kill();
        m_process.waitForFinished(5000);
    }
    bool ready() const { return m_ready; }
    QString url() const { return QStringLiteral("smtp://127.0.0.1:%1").arg(m_port); }
    QString stored(int n, const char *ext) const { return QStringLiteral("%1/out/%2.%3").arg(m_dir).arg(n).arg(ext); }

private:
    QString m_dir;
    QProcess m_process;
    int m_port = 0;
    bool m_ready = false;
};

// Two files to send (one with a Turkish name), the list naming them in code page 1254, and settings.
struct Job {
    QTemporaryDir dir;
    QString pdf, txt, list, settings;

    explicit Job(const QString &smtpSection)
    {
        pdf = dir.filePath(QString::fromUtf8("rapor_ş.pdf"));
        txt = dir.filePath(QStringLiteral("notes.txt"));
        writeAll(pdf, binaryAttachment());
        writeAll(txt, "line one\r\n.\r\nFrom here\r\n");
        list = dir.filePath(QStringLiteral("list.txt"));
        writeAll(list, EncodeAnsi(pdf, 1254) + "\r\n\r\n" + EncodeAnsi(txt, 1254) + "\r\n");
        settings = dir.filePath(QStringLiteral("mail.ini"));
        writeAll(settings, QStringLiteral("[General]\nCodePage=1254\n"
                                          "[Recipients]\n17=accounts@example.com, boss@example.com\n18=other@example.com\n"
                                          "[Mail]\nFrom=reports@example.com\nSubject=%1 %2\n%3")
                               .arg(kTurkish, QStringLiteral("%1"), smtpSection)
                               .toUtf8());
    }
    void expectNothingDeleted() const
    {
        EXPECT_TRUE(QFileInfo::exists(list));
        EXPECT_EQ(readAll(pdf), binaryAttachment());
        EXPECT_TRUE(QFileInfo::exists(txt));
    }
};

} // namespace

TEST(MailList, ReadsCrLfCodePagePathsAndSkipsBlankLines)
{
    QTemporaryDir dir;
    const QString turkish = dir.filePath(QString::fromUtf8("şube_ğ.pdf"));
    const QString plain = dir.filePath(QStringLiteral("b.txt"));
    writeAll(turkish, "x");
    writeAll(plain, "y");
    const QString list = dir.filePath(QStringLiteral("list"));
    writeAll(list, "\r\n" + EncodeAnsi(turkish, 1254) + "\r\n  \r\n" + plain.toLatin1() + "\r\n");

    QString error;
    const std::optional<QStringList> files = zelmail::ReadList(list, 1254, &error);
    ASSERT_TRUE(files) << error.toStdString();
    EXPECT_EQ(*files, (QStringList{turkish, plain}));

    // In 1252 the same bytes name another file, which is not there.
    EXPECT_FALSE(zelmail::ReadList(list, 1252, &error));
}

TEST(MailList, RefusesMissingFilesAndEmptyLists)
{
    QTemporaryDir dir;
    const QString there = dir.filePath(QStringLiteral("a.pdf"));
    writeAll(there, "x");
    const QString list = dir.filePath(QStringLiteral("list"));
    writeAll(list, there.toLatin1() + "\r\n" + dir.filePath(QStringLiteral("gone.pdf")).toLatin1() + "\r\n");
    QString error;
    EXPECT_FALSE(zelmail::ReadList(list, 1252, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("gone.pdf"))) << error.toStdString();

    writeAll(list, "\r\n\r\n");
    EXPECT_FALSE(zelmail::ReadList(list, 1252, &error));
    EXPECT_FALSE(zelmail::ReadList(dir.filePath(QStringLiteral("no-list")), 1252, &error));
    EXPECT_FALSE(zelmail::ReadList(dir.path(), 1252, &error));
}

TEST(MailArguments, TakesTheDesktopCallAndRefusesOthers)
{
    QString error;
    const auto args = zelmail::ParseArguments({"zelsil", "17", "/tmp/l.txt", " "}, &error);
    ASSERT_TRUE(args);
    EXPECT_EQ(args->mailId, 17);
    EXPECT_EQ(args->listPath, QStringLiteral("/tmp/l.txt"));
    EXPECT_TRUE(zelmail::ParseArguments({"zelsil", "17", "/tmp/l.txt"}, &error));
    EXPECT_FALSE(zelmail::ParseArguments({"other", "17", "/tmp/l.txt", " "}, &error));
    EXPECT_FALSE(zelmail::ParseArguments({"zelsil", "x17", "/tmp/l.txt", " "}, &error));
    EXPECT_FALSE(zelmail::ParseArguments({"zelsil", "17", "/tmp/l.txt", "more"}, &error));
    EXPECT_FALSE(zelmail::ParseArguments({"zelsil", "17"}, &error));
}

TEST(MailHeaders, LongTurkishSubjectSplitsIntoWholeCharacterWords)
{
    EXPECT_EQ(zelmail::EncodeHeaderText(QStringLiteral("Report a.pdf")), QByteArray("Report a.pdf"));
    const QString subject = kTurkish.repeated(6);
    const QByteArray encoded = zelmail::EncodeHeaderText(subject);
    QByteArray decoded;
    for (const QByteArray &word : encoded.split(' ')) {
        ASSERT_TRUE(word.startsWith("=?UTF-8?B?") && word.endsWith("?=")) << word.constData();
        EXPECT_LE(word.size(), 75);
        const QByteArray chunk = QByteArray::fromBase64(word.mid(10, word.size() - 12));
        EXPECT_FALSE(QString::fromUtf8(chunk).contains(QChar::ReplacementCharacter)) << "word splits a character";
        decoded += chunk;
    }
    EXPECT_EQ(QString::fromUtf8(decoded), subject);
}

TEST(MailSmtp, SendsEveryListedFileToTheIdsRecipients)
{
    const QString python = pythonWithAiosmtpd();
    if (python.isEmpty()) GTEST_SKIP() << "python3 with aiosmtpd not installed";
    QTemporaryDir serverDir;
    SmtpServer server(python, serverDir.path(), QStringLiteral("store"));
    ASSERT_TRUE(server.ready());
    Job job(QStringLiteral("[Smtp]\nUrl=%1\nTls=no\n").arg(server.url()));

    const testsupport::Run run = runMail({"zelsil", "17", job.list, " "}, job.settings);
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    job.expectNothingDeleted();

    EXPECT_EQ(readAll(server.stored(0, "rcpt")), QByteArray("accounts@example.com\nboss@example.com"));
    EXPECT_FALSE(QFileInfo::exists(server.stored(1, "eml"))) << "one message for the whole list";

    const QString parser = serverDir.filePath(QStringLiteral("parse.py"));
    writeAll(parser, kParseScript);
    const testsupport::Run parsed = runProgram(python, {parser, server.stored(0, "eml")}, 30000);
    ASSERT_EQ(parsed.exitCode, 0) << parsed.err.constData();
    const QJsonObject mail = QJsonDocument::fromJson(parsed.out).object();
    EXPECT_EQ(mail[QStringLiteral("subject")].toString(), kTurkish + QString::fromUtf8(" rapor_ş.pdf"));
    EXPECT_EQ(mail[QStringLiteral("to")].toString(), QStringLiteral("accounts@example.com, boss@example.com"));
    EXPECT_EQ(mail[QStringLiteral("from")].toString(), QStringLiteral("reports@example.com"));
    EXPECT_NEAR(mail[QStringLiteral("date")].toDouble(), double(QDateTime::currentSecsSinceEpoch()), 300);
    EXPECT_TRUE(mail[QStringLiteral("body")].toString().contains(QString::fromUtf8("rapor_ş.pdf")));

    const QJsonArray attachments = mail[QStringLiteral("attachments")].toArray();
    ASSERT_EQ(attachments.size(), 2);
    EXPECT_EQ(attachments[0][QStringLiteral("name")].toString(), QString::fromUtf8("rapor_ş.pdf"));
    EXPECT_EQ(attachments[0][QStringLiteral("type")].toString(), QStringLiteral("application/pdf"));
    EXPECT_EQ(QByteArray::fromBase64(attachments[0][QStringLiteral("data")].toString().toLatin1()), binaryAttachment());
    EXPECT_EQ(attachments[1][QStringLiteral("name")].toString(), QStringLiteral("notes.txt"));
    EXPECT_EQ(attachments[1][QStringLiteral("type")].toString(), QStringLiteral("text/plain"));
    EXPECT_EQ(QByteArray::fromBase64(attachments[1][QStringLiteral("data")].toString().toLatin1()), readAll(job.txt));
}

TEST(MailSmtp, RefusedLoginAndUnreachableServerFail)
{
    const QString python = pythonWithAiosmtpd();
    if (python.isEmpty()) GTEST_SKIP() << "python3 with aiosmtpd not installed";
    QTemporaryDir serverDir;
    SmtpServer server(python, serverDir.path(), QStringLiteral("deny"));
    ASSERT_TRUE(server.ready());

    Job denied(QStringLiteral("[Smtp]\nUrl=%1\nTls=no\nUser=me\nPassword=wrong\n").arg(server.url()));
    testsupport::Run run = runMail({"zelsil", "17", denied.list, " "}, denied.settings);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("refused the login")) << run.err.constData();
    EXPECT_FALSE(QFileInfo::exists(server.stored(0, "eml")));
    denied.expectNothingDeleted();

    Job unreachable(QStringLiteral("[Smtp]\nUrl=smtp://127.0.0.1:%1\nTls=no\nConnectTimeout=5\n").arg(freePort()));
    run = runMail({"zelsil", "17", unreachable.list, " "}, unreachable.settings);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("could not reach")) << run.err.constData();
}

TEST(MailDesktop, WithoutServerHandsEverythingToXdgEmail)
{
    Job job(QString{});
    const QString bin = job.dir.filePath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    const QString record = job.dir.filePath(QStringLiteral("record"));
    const QString script = bin + QStringLiteral("/xdg-email");
    writeAll(script, "#!/bin/sh\nprintf '%s\\0' \"$@\" > \"$XDG_RECORD\"\nexit ${XDG_EXIT:-0}\n");
    QFile::setPermissions(script, QFile::permissions(script) | QFileDevice::ExeOwner);
    const QStringList env{QStringLiteral("PATH=") + bin + QLatin1Char(':') + qEnvironmentVariable("PATH"),
                          QStringLiteral("XDG_RECORD=") + record};

    const testsupport::Run run = runMail({"zelsil", "17", job.list, " "}, job.settings, env);
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    job.expectNothingDeleted();
    QStringList args = QString::fromUtf8(readAll(record)).split(QChar(0));
    args.removeLast(); // after the last terminator
    const auto followedBy = [&](const QString &option, const QString &value) {
        for (qsizetype i = 0; i + 1 < args.size(); ++i)
            if (args[i] == option && args[i + 1] == value) return true;
        return false;
    };
    EXPECT_TRUE(followedBy(QStringLiteral("--to"), QStringLiteral("accounts@example.com"))) << args.join(' ').toStdString();
    EXPECT_TRUE(followedBy(QStringLiteral("--to"), QStringLiteral("boss@example.com")));
    EXPECT_TRUE(followedBy(QStringLiteral("--subject"), kTurkish + QString::fromUtf8(" rapor_ş.pdf")));
    EXPECT_TRUE(followedBy(QStringLiteral("--attach"), job.pdf));
    EXPECT_TRUE(followedBy(QStringLiteral("--attach"), job.txt));
    EXPECT_EQ(args.count(QStringLiteral("--attach")), 2);

    const testsupport::Run failing = runMail({"zelsil", "17", job.list, " "}, job.settings, env + QStringList{"XDG_EXIT=3"});
    EXPECT_EQ(failing.exitCode, 1);
    EXPECT_TRUE(failing.err.contains("xdg-email")) << failing.err.constData();
}

TEST(MailErrors, BadCallsExitOneWithAMessage)
{
    Job job(QStringLiteral("[Smtp]\nUrl=smtp://127.0.0.1:9\n"));
    struct Case {
        QStringList args;
        QByteArray message;
    };
    const QList<Case> cases = {
        {{"zelsil", "99", job.list, " "}, "mail id 99 has no recipient"},
        {{"zelsil", "17", job.dir.filePath("missing.txt"), " "}, "missing.txt does not exist"},
        {{"zelsil"}, "usage"},
        {{"send", "17", job.list, " "}, "usage"},
    };
    for (const Case &c : cases) {
        const testsupport::Run run = runMail(c.args, job.settings);
        EXPECT_EQ(run.exitCode, 1) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.constData();
    }
    // A file the list names is gone: refused before anything is sent.
    QFile::rename(job.txt, job.txt + ".moved");
    const testsupport::Run run = runMail({"zelsil", "17", job.list, " "}, job.settings);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("notes.txt, which does not exist")) << run.err.constData();
    EXPECT_TRUE(QFileInfo::exists(job.list));
}
