#include "test_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using testsupport::runCli;

namespace
{
const QString kInvoice = QStringLiteral(TESSALY_SOURCE_DIR "/examples/invoice.edt");
const char *const kCommands[] = {"barcode",  "check",  "export", "generate", "print",
                                 "printers", "render", "save",   "template"};
} // namespace

// Help is asked for: stdout and exit 0, one line per command in the overview, every option of a
// command in its own help, the same whichever way it is asked for.
TEST(CliUsage, HelpGoesToStdout)
{
    for (const QStringList &ask : {QStringList{"--help"}, QStringList{"help"}, QStringList{"-h"}}) {
        const auto r = runCli(ask);
        EXPECT_EQ(r.exitCode, 0) << ask.join(' ').toStdString();
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
        const QStringList lines = QString::fromUtf8(r.out).split('\n', Qt::SkipEmptyParts);
        for (const char *command : kCommands) {
            int found = 0;
            for (const QString &line : lines)
                found += line.trimmed().section(' ', 1, 1) == QLatin1String(command);
            EXPECT_EQ(found, 1) << command;
        }
    }
    for (const char *command : kCommands) {
        const auto byHelp = runCli({"help", command});
        const auto byOption = runCli({command, "--help"});
        EXPECT_EQ(byHelp.exitCode, 0) << command;
        EXPECT_EQ(byOption.exitCode, 0) << command;
        EXPECT_EQ(byHelp.out, byOption.out) << command;
        EXPECT_TRUE(byHelp.out.startsWith(QByteArray("usage: tessaly-cli ") + command))
            << byHelp.out.toStdString();
    }
    const auto render = runCli({"render", "--help"}).out;
    for (const char *option : {"--data", "--page", "--zoom", "--dpi", "--design-view", "--bw",
                               "--printable-only", "--code-page", "-o"})
        EXPECT_TRUE(render.contains(option)) << option;
}

// Wrong usage names the wrong argument on stderr before the usage, exits 2 and prints nothing on
// stdout.
TEST(CliUsage, WrongArgumentsAreNamed)
{
    QTemporaryDir dir;
    const QString out = dir.filePath("x.png");
    const struct {
        QStringList args;
        const char *named;
    } cases[] = {
        {{}, "missing COMMAND"},
        {{"frobnicate"}, "frobnicate"},
        {{"help", "frobnicate"}, "frobnicate"},
        {{"check"}, "missing DOC"},
        {{"check", kInvoice, "extra.edt"}, "extra.edt"},
        {{"save", kInvoice}, "-o"},
        {{"save", kInvoice, "-o", dir.filePath("x.txt")}, "x.txt"},
        {{"template", kInvoice, "--type", "3"}, "--type"},
        {{"template", kInvoice, "--code-page", "437"}, "--code-page"},
        {{"generate", kInvoice}, "missing DATA"},
        {{"render", kInvoice, "--zoom", "abc", "-o", out}, "--zoom"},
        {{"render", kInvoice, "--bogus", "-o", out}, "--bogus"},
        {{"render", kInvoice, "-o"}, "-o"},
        {{"print", kInvoice, "--copies", "0"}, "--copies"},
        {{"print", kInvoice, "--pages", "1,x"}, "--pages"},
        {{"printers", "now"}, "now"},
        {{"barcode", "--value", "1"}, "--type"},
        {{"barcode", "--type", "ean13"}, "--value"},
        {{"barcode", "--type", "EAN-99", "--value", "1"}, "EAN-99"},
        {{"barcode", "--type", "2", "--value", "1", "--size", "50"}, "--size"},
    };
    for (const auto &c : cases) {
        const auto r = runCli(c.args);
        const QString err = QString::fromUtf8(r.err);
        EXPECT_EQ(r.exitCode, 2) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
        const qsizetype named = err.indexOf(QLatin1String(c.named));
        const qsizetype usage = err.indexOf(QLatin1String("usage:"));
        EXPECT_TRUE(named >= 0 && usage > named) << c.args.join(' ').toStdString() << "\n"
                                                 << err.toStdString();
    }
}

// A page list that selects nothing is a failure told on stderr, before any printer is looked for.
TEST(CliUsage, PrintOfNoPageFails)
{
    const QString data = QStringLiteral(TESSALY_SOURCE_DIR "/examples/invoice.edd");
    for (const QStringList &args : {QStringList{"print", kInvoice, "--pages", "5"},
                                    QStringList{"print", kInvoice, "--data", data, "--pages", "3-4"}}) {
        // A print server that answers nothing: should the list pass, nothing could print either.
        const auto r = runCli(args, {"CUPS_SERVER=127.0.0.1:9"});
        EXPECT_EQ(r.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
        EXPECT_TRUE(r.err.contains("names no page of the document")) << r.err.toStdString();
        EXPECT_FALSE(r.err.contains("Printer not exists")) << r.err.toStdString();
    }
}
