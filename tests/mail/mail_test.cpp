// The mail utility: list reading called directly, and the program itself run against a local
// SMTP server (aiosmtpd) and a stand-in xdg-email.
#include "export/mail_handoff.h"
#include "mail_job.h"
#include "model/code_page.h"
#include "test_support.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace testsupport;
using ProgramRun = testsupport::Run;

namespace
{

const QString kTurkish = QString::fromUtf8("Fatura ğüşıöç");
const QString kSubject = kTurkish + QString::fromUtf8(", rapor_ş.pdf");

// A PDF-looking file with every byte value, CR LF, lone LF and lines of dots.
QByteArray binaryAttachment()
{
    QByteArray bytes = "%PDF-1.4\r\n.\r\n..\n";
    for (int b = 0; b < 3 * 256; ++b) bytes += char(b);
    return bytes + "\r\n.\r\n%%EOF";
}

ProgramRun runMail(const QStringList &args, const QString &settings, const QStringList &env = {})
{
    return runProgram(ZELUTLMAIL, args, 60000,
                      env + QStringList{"ZELUTLMAIL_SETTINGS=" + settings, "ZELUTLMAIL_QUIET=1", "QT_QPA_PLATFORM=offscreen"});
}

QString pythonWithAiosmtpd()
{
    for (const QString python : {"/usr/bin/python3", "python3"})
        if (runProgram(python, {"-c", "import aiosmtpd"}, 30000).exitCode == 0) return python;
    return {};
}

// Stores each message as <n>.eml and its envelope recipients as <n>.rcpt; "deny" refuses every login.
const char *const kServerScript = R"(
import os, socket, sys
from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult
out, mode = sys.argv[1], sys.argv[2]
s = socket.socket(); s.bind(("127.0.0.1", 0)); port = s.getsockname()[1]; s.close()
class Store:
    count = 0
    async def handle_DATA(self, server, session, envelope):
        name = os.path.join(out, str(Store.count)); Store.count += 1
        open(name + ".rcpt", "w").write("\n".join(envelope.rcpt_tos))
        open(name + ".eml", "wb").write(envelope.original_content)
        return "250 OK"
extra = dict(authenticator=lambda *a: AuthResult(success=False, handled=False), auth_require_tls=False) if mode == "deny" else {}
c = Controller(Store(), hostname="127.0.0.1", port=port, **extra)
c.start()
print(port, flush=True)
sys.stdin.read()
c.stop()
)";

const char *const kParseScript = R"(
import sys, json, base64, email, email.utils
from email import policy
m = email.message_from_binary_file(open(sys.argv[1], "rb"), policy=policy.default)
print(json.dumps({"subject": str(m["subject"]), "to": str(m["to"]), "from": str(m["from"]),
    "date": email.utils.parsedate_to_datetime(m["date"]).timestamp(), "body": m.get_body(("plain",)).get_content(),
    "attachments": [[p.get_filename(), p.get_content_type(), base64.b64encode(p.get_payload(decode=True)).decode()]
                    for p in m.iter_attachments()]}))
)";

// Runs for one test; its stdin closing stops it.
struct SmtpServer {
    QTemporaryDir dir;
    QProcess process;
    QString url;
    SmtpServer(const QString &python, const QString &mode)
    {
        writeAll(dir.filePath("server.py"), kServerScript);
        process.start(python, {dir.filePath("server.py"), dir.path(), mode});
        if (process.waitForReadyRead(20000)) url = "smtp://127.0.0.1:" + process.readAllStandardOutput().trimmed();
    }
    ~SmtpServer()
    {
        process.closeWriteChannel();
        if (!process.waitForFinished(10000)) process.kill();
    }
    QString stored(int n, const char *ext) { return dir.filePath(QString::number(n) + '.' + ext); }
    // The first stored message as Python's mail parser reads it.
    QJsonObject parsed(const QString &python)
    {
        writeAll(dir.filePath("parse.py"), kParseScript);
        const ProgramRun run = runProgram(python, {dir.filePath("parse.py"), stored(0, "eml")}, 30000);
        EXPECT_EQ(run.exitCode, 0) << run.err.constData();
        return QJsonDocument::fromJson(run.out).object();
    }
};

// Two files (one with a Turkish name) listed in code page 1254, and settings with smtp appended.
struct Job {
    QTemporaryDir dir;
    QString pdf = dir.filePath(QString::fromUtf8("rapor_ş.pdf")), txt = dir.filePath("notes.txt");
    QString list = dir.filePath("list.txt"), settings = dir.filePath("mail.ini");

    explicit Job(const QString &smtp)
    {
        writeAll(pdf, binaryAttachment());
        writeAll(txt, "line one\r\n.\r\nFrom here\r\n");
        writeAll(list, EncodeAnsi(pdf, 1254) + "\r\n\r\n" + EncodeAnsi(txt, 1254) + "\r\n");
        writeAll(settings, ("[General]\nCodePage=1254\n[Recipients]\n17=accounts@example.com, boss@example.com\n"
                            "18=other@example.com\n[Mail]\nFrom=reports@example.com\nSubject=" +
                            kTurkish + ", %1\n" + smtp).toUtf8());
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
    const QString turkish = dir.filePath(QString::fromUtf8("şube_ğ.pdf")), plain = dir.filePath("b.txt");
    writeAll(turkish, "x");
    writeAll(plain, "y");
    const QString list = dir.filePath("list");
    writeAll(list, "\r\n" + EncodeAnsi(turkish, 1254) + "\r\n  \r\n" + plain.toLatin1() + "\r\n");

    QString error;
    const std::optional<QStringList> files = zelmail::ReadList(list, 1254, &error);
    ASSERT_TRUE(files) << error.toStdString();
    EXPECT_EQ(*files, (QStringList{turkish, plain}));
    // While the 1252 reading names no file the 1254 one is found even when 1252 is asked for;
    // when both name a file the asked code page wins.
    EXPECT_EQ(zelmail::ReadList(list, 1252, &error).value_or(QStringList{}), (QStringList{turkish, plain}));
    const QString western = DecodeAnsi(EncodeAnsi(turkish, 1254), 1252); // "þube_ð.pdf"
    writeAll(western, "z");
    writeAll(list, EncodeAnsi(turkish, 1254) + "\r\n");
    EXPECT_EQ(zelmail::ReadList(list, 1252, &error).value_or(QStringList{}), QStringList{western});
    EXPECT_EQ(zelmail::ReadList(list, 1254, &error).value_or(QStringList{}), QStringList{turkish});
}

TEST(MailList, ReadsTheDesktopsUtf8ListOfNamesOutsideEveryCodePage)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QString::fromUtf8("Łódź"));
    QDir().mkpath(folder);
    const QStringList files = {folder + "/a.pdf", folder + QString::fromUtf8("/ş.txt")};
    for (const QString &f : files)
        writeAll(f, "x");
    QString error;
    const QString list = WriteMailList(files, &error);
    ASSERT_FALSE(list.isEmpty()) << error.toStdString();
    for (int codePage : {1251, 1252, 1254})
        EXPECT_EQ(zelmail::ReadList(list, codePage, &error).value_or(QStringList{}), files) << codePage;
}

TEST(MailList, RefusesMissingFilesAndEmptyLists)
{
    QTemporaryDir dir;
    writeAll(dir.filePath("a.pdf"), "x");
    const QString list = dir.filePath("list");
    writeAll(list, dir.filePath("a.pdf").toLatin1() + "\r\n" + dir.filePath("gone.pdf").toLatin1() + "\r\n");
    QString error;
    EXPECT_FALSE(zelmail::ReadList(list, 1252, &error));
    EXPECT_TRUE(error.contains("gone.pdf")) << error.toStdString();
    writeAll(list, "\r\n\r\n");
    EXPECT_FALSE(zelmail::ReadList(list, 1252, &error));
    EXPECT_FALSE(zelmail::ReadList(dir.path(), 1252, &error));
}

TEST(MailHeaders, LongTurkishSubjectSplitsIntoWholeCharacterWords)
{
    EXPECT_EQ(zelmail::EncodeHeaderText("Report a.pdf"), QByteArray("Report a.pdf"));
    QByteArray decoded;
    for (const QByteArray &word : zelmail::EncodeHeaderText(kTurkish.repeated(6)).split(' ')) {
        ASSERT_TRUE(word.startsWith("=?UTF-8?B?") && word.endsWith("?=") && word.size() <= 75) << word.constData();
        const QByteArray chunk = QByteArray::fromBase64(word.mid(10, word.size() - 12));
        EXPECT_FALSE(QString::fromUtf8(chunk).contains(QChar::ReplacementCharacter)) << "a word splits a character";
        decoded += chunk;
    }
    EXPECT_EQ(QString::fromUtf8(decoded), kTurkish.repeated(6));
}

TEST(MailSmtp, SendsEveryListedFileToTheIdsRecipients)
{
    const QString python = pythonWithAiosmtpd();
    if (python.isEmpty()) GTEST_SKIP() << "python3 with aiosmtpd not installed";
    SmtpServer server(python, "store");
    ASSERT_FALSE(server.url.isEmpty());
    Job job("[Smtp]\nUrl=" + server.url + "\nTls=no\n");

    const ProgramRun run = runMail({"zelsil", "17", job.list, " "}, job.settings);
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    job.expectNothingDeleted();
    EXPECT_EQ(readAll(server.stored(0, "rcpt")), QByteArray("accounts@example.com\nboss@example.com"));
    EXPECT_FALSE(QFileInfo::exists(server.stored(1, "eml"))) << "one message for the whole list";

    const QJsonObject mail = server.parsed(python);
    EXPECT_EQ(mail["subject"].toString(), kSubject);
    EXPECT_EQ(mail["to"].toString(), "accounts@example.com, boss@example.com");
    EXPECT_EQ(mail["from"].toString(), "reports@example.com");
    EXPECT_NEAR(mail["date"].toDouble(), double(QDateTime::currentSecsSinceEpoch()), 300);
    EXPECT_TRUE(mail["body"].toString().contains(QString::fromUtf8("rapor_ş.pdf")));

    const QJsonArray attachments = mail["attachments"].toArray();
    ASSERT_EQ(attachments.size(), 2);
    const auto expectAttachment = [](const QJsonValue &a, const QString &name, const QString &type, const QByteArray &data) {
        EXPECT_EQ(a[0].toString(), name);
        EXPECT_EQ(a[1].toString(), type);
        EXPECT_EQ(QByteArray::fromBase64(a[2].toString().toLatin1()), data) << name.toStdString();
    };
    expectAttachment(attachments[0], QString::fromUtf8("rapor_ş.pdf"), "application/pdf", binaryAttachment());
    expectAttachment(attachments[1], "notes.txt", "text/plain", readAll(job.txt));
}

TEST(MailHeaders, LongHeadersFoldAtBlanksAndUnfoldToTheSame)
{
    QStringList many;
    for (int i = 0; i < 55; ++i)
        many << QString("recipient%1@example.com").arg(i);
    const QByteArray to = "To: " + many.join(", ").toUtf8();
    ASSERT_GT(to.size(), 1000);
    const QByteArray folded = zelmail::FoldHeader(to);
    for (const QByteArray &line : folded.split('\n')) {
        EXPECT_LE(line.size(), zelmail::kFoldWidth + 1) << line.constData(); // + the CR
        EXPECT_FALSE(line.trimmed().isEmpty());
    }
    EXPECT_TRUE(folded.split('\n').size() > 10);
    QByteArray unfolded = folded;
    EXPECT_EQ(unfolded.replace("\r\n", ""), to);
    EXPECT_EQ(zelmail::FoldHeader("Subject: short"), QByteArray("Subject: short"));
    // A run without blanks too long for a line is encoded, so that it can fold.
    const QByteArray run = zelmail::EncodeHeaderText(QString(200, 'x'));
    EXPECT_TRUE(run.startsWith("=?UTF-8?B?"));
    for (const QByteArray &line : zelmail::FoldHeader("Subject: " + run).split('\n'))
        EXPECT_LE(line.size(), zelmail::kFoldWidth + 1);
}

TEST(MailSmtp, FiftyFiveRecipientsAndALongSubjectArriveFolded)
{
    const QString python = pythonWithAiosmtpd();
    if (python.isEmpty()) GTEST_SKIP() << "python3 with aiosmtpd not installed";
    SmtpServer server(python, "store");
    ASSERT_FALSE(server.url.isEmpty());
    QStringList many;
    for (int i = 0; i < 55; ++i)
        many << QString("r%1.someone@example.com").arg(i);
    Job job("[Smtp]\nUrl=" + server.url + "\nTls=no\n");
    const QString subject = kTurkish.repeated(8);
    writeAll(job.settings, ("[General]\nCodePage=1254\n[Recipients]\n17=\"" + many.join(", ") +
                            "\"\n[Mail]\nFrom=reports@example.com\nSubject=" + subject +
                            "\n[Smtp]\nUrl=" + server.url + "\nTls=no\n")
                               .toUtf8());
    const ProgramRun run = runMail({"zelsil", "17", job.list, " "}, job.settings);
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(readAll(server.stored(0, "rcpt")).split('\n').size(), 55);
    const QByteArray raw = readAll(server.stored(0, "eml"));
    const QByteArray head = raw.left(raw.indexOf("\r\n\r\n"));
    // Our headers and their continuation lines within 78 characters (libcurl's own may reach 80),
    // every line within the 998 that servers enforce.
    bool ours = false;
    int continued = 0;
    for (const QByteArray &line : head.split('\n')) {
        if (!line.startsWith(' '))
            ours = line.startsWith("To:") || line.startsWith("Subject:") || line.startsWith("From:");
        else
            continued += ours;
        EXPECT_LE(line.size(), ours ? zelmail::kFoldWidth + 1 : 999) << line.constData();
    }
    EXPECT_GT(continued, 20);

    const QJsonObject mail = server.parsed(python);
    EXPECT_EQ(mail["subject"].toString(), subject);
    EXPECT_EQ(mail["to"].toString(), many.join(", "));
}

TEST(MailErrors, SettingsMustBeASmallPlainFile)
{
    Job job("");
    const QString fifo = job.dir.filePath("fifo.ini");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString huge = job.dir.filePath("huge.ini");
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(160LL * 1024 * 1024)); // sparse: no disk needed
    }
    const struct {
        QString settings;
        const char *says;
    } cases[] = {{fifo, "not a plain file"}, {job.dir.path(), "not a plain file"}, {huge, "too large"}};
    for (const auto &c : cases) {
        const ProgramRun run = runMail({"zelsil", "17", job.list, " "}, c.settings);
        EXPECT_EQ(run.exitCode, 1) << c.settings.toStdString();
        EXPECT_TRUE(run.err.contains(c.says)) << run.err.constData();
    }
}

TEST(MailSmtp, RefusedLoginMissingTlsAndUnreachableServerFail)
{
    const QString python = pythonWithAiosmtpd();
    if (python.isEmpty()) GTEST_SKIP() << "python3 with aiosmtpd not installed";
    SmtpServer server(python, "deny");
    ASSERT_FALSE(server.url.isEmpty());

    Job denied("[Smtp]\nUrl=" + server.url + "\nTls=no\nUser=me\nPassword=wrong\n");
    ProgramRun run = runMail({"zelsil", "17", denied.list, " "}, denied.settings);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("refused the login")) << run.err.constData();
    EXPECT_FALSE(QFileInfo::exists(server.stored(0, "eml")));
    denied.expectNothingDeleted();

    Job clear("[Smtp]\nUrl=" + server.url + "\nTls=required\n");
    run = runMail({"zelsil", "17", clear.list, " "}, clear.settings);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("does not offer TLS")) << run.err.constData();
    EXPECT_FALSE(QFileInfo::exists(server.stored(0, "eml")));

    // Port 1 has no listener, and nobody but root could give it one.
    Job unreachable("[Smtp]\nUrl=smtp://127.0.0.1:1\nConnectTimeout=5\n");
    run = runMail({"zelsil", "17", unreachable.list, " "}, unreachable.settings);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("could not reach")) << run.err.constData();
}

TEST(MailDesktop, WithoutServerHandsEverythingToXdgEmail)
{
    Job job("");
    QDir(job.dir.path()).mkdir("bin");
    const QString script = job.dir.filePath("bin/xdg-email");
    writeAll(script, "#!/bin/sh\nprintf '%s\\0' \"$@\" > \"$XDG_RECORD\"\nexit ${XDG_EXIT:-0}\n");
    QFile::setPermissions(script, QFile::permissions(script) | QFileDevice::ExeOwner);
    const QStringList env{"PATH=" + job.dir.filePath("bin") + ':' + qEnvironmentVariable("PATH"),
                          "XDG_RECORD=" + job.dir.filePath("record")};

    const ProgramRun run = runMail({"zelsil", "17", job.list, " "}, job.settings, env);
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    job.expectNothingDeleted();
    const QStringList args = QString::fromUtf8(readAll(job.dir.filePath("record"))).split(QChar(0));
    const auto followedBy = [&](const QString &option, const QString &value) {
        for (qsizetype i = 0; i + 1 < args.size(); ++i)
            if (args[i] == option && args[i + 1] == value) return true;
        return false;
    };
    EXPECT_TRUE(followedBy("--to", "accounts@example.com")) << args.join(' ').toStdString();
    EXPECT_TRUE(followedBy("--to", "boss@example.com"));
    EXPECT_TRUE(followedBy("--subject", kSubject));
    EXPECT_TRUE(followedBy("--attach", job.pdf));
    EXPECT_TRUE(followedBy("--attach", job.txt));
    EXPECT_EQ(args.count("--attach"), 2);

    const ProgramRun failing = runMail({"zelsil", "17", job.list, " "}, job.settings, env + QStringList{"XDG_EXIT=3"});
    EXPECT_EQ(failing.exitCode, 1);
    EXPECT_TRUE(failing.err.contains("xdg-email")) << failing.err.constData();
}

TEST(MailErrors, BadCallsExitOneWithAMessage)
{
    Job job("[Smtp]\nUrl=smtp://127.0.0.1:1\n");
    const QList<std::pair<QStringList, QByteArray>> cases = {
        {{"zelsil", "99", job.list, " "}, "mail id 99 has no recipient"},
        {{"zelsil", "17", job.dir.filePath("missing.txt"), " "}, "missing.txt does not exist"},
        {{"zelsil"}, "usage"},
        {{"send", "17", job.list, " "}, "usage"},
        {{"zelsil", "x17", job.list, " "}, "whole number"},
    };
    for (const auto &[args, message] : cases) {
        const ProgramRun run = runMail(args, job.settings);
        EXPECT_EQ(run.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(message)) << run.err.constData();
    }
    // A file the list names is gone: refused before anything is sent.
    QFile::rename(job.txt, job.txt + ".moved");
    const ProgramRun run = runMail({"zelsil", "17", job.list, " "}, job.settings);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("notes.txt, which does not exist")) << run.err.constData();
    EXPECT_TRUE(QFileInfo::exists(job.list));
}
