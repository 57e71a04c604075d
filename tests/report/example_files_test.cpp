#include "files/data_file.h"
#include "files/data_template.h"
#include "files/design_file.h"
#include "report/data_type_state.h"
#include "report/design_builder.h"
#include "report/report_generation.h"

#include <QImage>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace testdesign;
using testsupport::runCli;

namespace
{
QString example(const QString &name)
{
    return QStringLiteral(TESSALY_SOURCE_DIR "/examples/") + name;
}

// Every variable label of a page tree.
void forEachVariableLabel(const VGrfElement &e, const std::function<void(const VGrfElement &)> &f)
{
    if (e.Kind() == ElementKind::Label && e.ValueType() == vtVariable) f(e);
    for (const auto &c : e.ChildList())
        forEachVariableLabel(*c, f);
}
} // namespace

// A template of each example design, read back, puts every variable label's own name into it.
TEST(ExampleFiles, templatesReadBackIntoEveryVariableLabel)
{
    for (const char *name : {"invoice.edt", "label.ebt", "orders.edt"}) {
        for (int type : {1, 2}) {
            SCOPED_TRACE(std::string(name) + " type " + std::to_string(type));
            ResetCurrentDataType();
            VDoc design;
            ASSERT_TRUE(ReadDesignFile(design, example(name)));
            int labels = 0;
            for (int i = 0; i < design.PageCount(); ++i)
                forEachVariableLabel(design.PageAt(i)->Root(), [&](const VGrfElement &e) {
                    const_cast<VGrfElement &>(e).SetCaption(e.Name());
                    ++labels;
                });
            ASSERT_GT(labels, 0);
            QStringList lines;
            WriteDataTemplate(design, lines, type);
            QTemporaryDir dir;
            ASSERT_TRUE(WriteDataLines(lines, dir.filePath("t.edd")));
            VDoc report;
            QString reason;
            ASSERT_TRUE(ReadDataFile(dir.filePath("t.edd"), design, report, &keepAll(), &reason))
                << reason.toStdString();
            ASSERT_EQ(report.PageCount(), design.PageCount());
            int filled = 0;
            for (int i = 0; i < report.PageCount(); ++i)
                forEachVariableLabel(report.PageAt(i)->Root(), [&](const VGrfElement &e) {
                    // type 2 has one record, for the first band; the other bands stay empty
                    const bool laterBand = type == 2 && e.Parent()->Repeatability() && e.Parent()->Num() != 1;
                    EXPECT_EQ(e.Caption(), laterBand ? QString() : e.Name());
                    ++filled;
                });
            EXPECT_EQ(filled, labels);
        }
    }
}

TEST(GenerateCommand, templateThenGenerateThenCheck)
{
    QTemporaryDir dir;
    const QString data = dir.filePath("orders.edd");
    const QString report = dir.filePath("orders.edr");
    ASSERT_EQ(runCli({"template", example("orders.edt"), "--type", "2", "-o", data}).exitCode, 0);
    const QByteArray text = testsupport::readAll(data);
    EXPECT_TRUE(text.contains("<Data Status=\"Group\" Repeat=\"1\" ID=\"1\" RepeatCount=\"6\">\r\n"));
    // without -o the same bytes go to stdout
    EXPECT_EQ(runCli({"template", example("orders.edt"), "--type", "2"}).out, text);

    const auto r = runCli({"generate", example("orders.edt"), data, "-o", report});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const auto check = runCli({"check", report});
    EXPECT_EQ(check.exitCode, 0);
    EXPECT_TRUE(check.out.contains("1 page(s)")) << check.out.toStdString();
    EXPECT_TRUE(testsupport::readAll(report).contains("Caption=\"Item1\"")); // filled from the record
}

TEST(GenerateCommand, brokenDataAndWrongUseOfGenerateAndRender)
{
    QTemporaryDir dir;
    const QString data = dir.filePath("bad.edd");
    testsupport::writeAll(data,
                          "<Document DataType=\"1\">\r\n<Page DesignName=\"Page1\">\r\n<fx=\"y\"/>\r\n");
    const auto r = runCli({"generate", example("invoice.edt"), data, "-o", dir.filePath("r.edr")});
    EXPECT_EQ(r.exitCode, 1);
    // The fixed message, and on the next line the data line and what is wrong with it.
    EXPECT_EQ(r.err.trimmed(),
              ("Data structure error =>  " + data + "\nline 3: field number is not an integer").toUtf8());
    EXPECT_FALSE(QFile::exists(dir.filePath("r.edr")));

    EXPECT_EQ(runCli({"generate", example("invoice.edt"), example("invoice.edd")}).exitCode, 2);
    EXPECT_EQ(runCli({"template", dir.filePath("none.edt")}).exitCode, 1);

    // render takes the report of design and data: page 2 exists only in the report
    const QString png = dir.filePath("p.png");
    const auto page2 =
        runCli({"render", example("orders.edt"), "--data", example("orders.edd"), "--page", "2", "-o", png});
    ASSERT_EQ(page2.exitCode, 0) << page2.err.toStdString();
    EXPECT_FALSE(QImage(png).isNull());
    EXPECT_EQ(runCli({"render", example("orders.edt"), "--page", "2", "-o", png}).exitCode, 1);
    testsupport::writeAll(data, "<Document>\n</Document>\n");
    const auto b = runCli({"render", example("orders.edt"), "--data", data, "-o", png});
    EXPECT_EQ(b.exitCode, 1);
    EXPECT_TRUE(b.err.contains("Data structure error =>  " + data.toUtf8()));
}
