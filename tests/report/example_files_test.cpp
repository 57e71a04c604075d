#include "files/data_file.h"
#include "files/data_template.h"
#include "files/design_file.h"
#include "report/data_type_state.h"
#include "report/report_generation.h"

#include "report/design_builder.h"
#include "test_support.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace testdesign;

namespace
{
QString example(const QString &name)
{
    return QStringLiteral(TESSALY_SOURCE_DIR "/examples/") + name;
}

VGrfElement *placed(VGrfElement &parent, ElementKind kind, const QRect &window, int valueType,
                    const QString &caption, const QString &description = QString())
{
    VGrfElement *e = AddElement(parent, kind, window);
    if (kind == ElementKind::Label) e->SetValueType(valueType);
    e->SetCaption(caption);
    e->SetDescription(description);
    return e;
}

// The repeating example: an order with six item bands (Group1 .. Group6, repeatable).
void buildOrdersDesign(VDoc &doc)
{
    doc.Font().SetFontName(QStringLiteral("Arial"));
    VGrfElement &root = doc.AddPage()->Root();
    VGrfElement *title = placed(root, ElementKind::Label, QRect(20, 20, 300, 40), vtFixed, "ORDER");
    title->Font().SetFontHeight(8.0);
    title->Font().SetFontWidth(4.0);
    title->Font().SetFontWeight(700);
    title->Font().SetHorzPos(0);
    placed(root, ElementKind::Label, QRect(430, 20, 280, 24), vtVariable, "Order no.", "Order number")
        ->Font()
        .SetHorzPos(2);
    placed(root, ElementKind::Label, QRect(20, 80, 400, 24), vtVariable, "Customer", "Customer name")
        ->Font()
        .SetHorzPos(0);
    const char *heads[] = {"Item", "Qty", "Price", "Amount"};
    const int lefts[] = {20, 390, 480, 590};
    const int widths[] = {360, 80, 100, 120};
    for (int c = 0; c < 4; ++c) {
        VGrfElement *h =
            placed(root, ElementKind::Label, QRect(lefts[c], 130, widths[c], 24), vtFixed, heads[c]);
        h->Font().SetFontWeight(700);
        h->Shape().SetFigure(3);
        h->Shape().SetBorderLine(2, VBorder{true, 0, 1, 0});
    }
    for (int band = 0; band < 6; ++band) {
        VGrfElement *g =
            placed(root, ElementKind::Group, QRect(20, 160 + band * 30, 690, 28), vtFixed, QString());
        g->SetRepeatability(true);
        for (int c = 0; c < 4; ++c) {
            VGrfElement *cell = placed(*g, ElementKind::Label, QRect(lefts[c] - 20, 2, widths[c], 24),
                                       vtVariable, QString::fromLatin1(heads[c]) + QString::number(band + 1));
            cell->Font().SetHorzPos(c == 0 ? 0 : 2);
        }
    }
    placed(root, ElementKind::Label, QRect(480, 350, 100, 24), vtFixed, "Total:")->Font().SetFontWeight(700);
    placed(root, ElementKind::Label, QRect(590, 350, 120, 24), vtVariable, "0.00", "Order total")
        ->Font()
        .SetHorzPos(2);
}

// Every variable label (and picture label) of a page tree.
void forEachVariableLabel(const VGrfElement &e, const std::function<void(const VGrfElement &)> &f)
{
    if (e.Kind() == ElementKind::Label && e.ValueType() == vtVariable) f(e);
    for (const auto &c : e.ChildList())
        forEachVariableLabel(*c, f);
}
} // namespace

// The repeating example design is made by this generator, so that it always matches what the
// design writer produces. Set TESSALY_UPDATE_EXAMPLES=1 to rewrite it after a deliberate change.
TEST(ExampleFiles, ordersDesignIsWhatTheGeneratorWrites)
{
    VDoc doc;
    buildOrdersDesign(doc);
    if (qEnvironmentVariableIntValue("TESSALY_UPDATE_EXAMPLES") == 1)
        ASSERT_TRUE(WriteDesignFile(doc, example("orders.edt")));
    QTemporaryDir dir;
    ASSERT_TRUE(WriteDesignFile(doc, dir.filePath("orders.edt")));
    EXPECT_EQ(testsupport::readAll(dir.filePath("orders.edt")), testsupport::readAll(example("orders.edt")));
}

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

TEST(ExampleFiles, dataFilesFillTheirDesigns)
{
    ResetCurrentDataType();
    VDoc invoice;
    ASSERT_TRUE(ReadDesignFile(invoice, example("invoice.edt")));
    VDoc report;
    QString reason;
    ASSERT_TRUE(ReadDataFile(example("invoice.edd"), invoice, report, &keepAll(), &reason))
        << reason.toStdString();
    ASSERT_EQ(report.PageCount(), 2);
    EXPECT_EQ(find(*report.PageAt(0), "Group1/Group1_E1")->Caption(), QStringLiteral("Müller & Söhne GmbH"));
    EXPECT_EQ(find(*report.PageAt(1), "Label6")->Caption(), QStringLiteral("54.00 €"));
    EXPECT_EQ(find(*report.PageAt(1), "Group3/Group3_E5")->Caption(), "");

    VDoc orders;
    ASSERT_TRUE(ReadDesignFile(orders, example("orders.edt")));
    report.Clear();
    ASSERT_TRUE(ReadDataFile(example("orders.edd"), orders, report, &keepAll(), &reason))
        << reason.toStdString();
    EXPECT_EQ(CurrentDataType(), 2);
    ASSERT_EQ(report.PageCount(), 2);
    EXPECT_EQ(find(*report.PageAt(0), "Group3/Group3_E1")->Caption(), "Desk lamp, brass");
    EXPECT_EQ(find(*report.PageAt(0), "Group6/Group6_E4")->Caption(), "");
    EXPECT_EQ(find(*report.PageAt(1), "Group5/Group5_E2")->Caption(), "2");

    // the convert file names two PDFs in a sub-folder of the current directory
    QTemporaryDir dir;
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    QStringList written;
    std::vector<int> pages;
    report.Clear();
    DocumentRecorder recorder([&](VDoc &doc, const ConvertDocument &document) {
        written << document.pdfPath;
        pages.push_back(doc.PageCount());
    });
    const bool ok = ReadDataFile(example("convert.edd"), invoice, report, &recorder);
    const bool folderMade = QDir(dir.filePath("out/pdf")).exists();
    QDir::setCurrent(saved);
    EXPECT_TRUE(ok);
    EXPECT_EQ(written, (QStringList{"out/pdf/invoice-2026-0417.pdf", "out/pdf/invoice-2026-0418.pdf"}));
    EXPECT_EQ(pages, (std::vector<int>{1, 1}));
    EXPECT_TRUE(folderMade);
}
