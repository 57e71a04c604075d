#include "files/data_template.h"

#include "report/design_builder.h"

#include <gtest/gtest.h>

using namespace testdesign;

namespace
{
// Page1: a commented label, a group with a field, a picture, an empty nested group, a barcode
// and a table holding a label; an empty group; a barcode; two repeatable groups.
// Page2: a repeatable group without variable labels before one with.
void buildDesign(VDoc &doc)
{
    doc.SetFileName(QStringLiteral("/data/forms/orders.edt"));
    VGrfElement &root = doc.AddPage()->Root();
    label(root, vtVariable, "Customer")->SetDescription("the customer");
    label(root, vtFixed, "Invoice");
    VGrfElement *g1 = group(root);
    label(*g1, vtVariable, "a");
    label(*g1, vtPictureStretch, "logo.bmp");
    label(*group(*g1), vtFixed, "fixed");
    add(*g1, ElementKind::BarCode);
    VGrfElement *table = add(*g1, ElementKind::Table);
    label(*table, vtVariable, "t");
    label(*group(root), vtFixed, "only fixed");
    VGrfElement *code = add(root, ElementKind::BarCode, vtFixed, "Article");
    code->BarCode()->SetType(VBarCode::Code128);
    code->BarCode()->SetValue("ABC");
    VGrfElement *band = group(root, true);
    label(*band, vtVariable, "q");
    label(*band, vtVariable, QString(90, QLatin1Char('p')))->SetDescription("long");
    label(*band, vtFixed, "x");
    label(*group(root, true), vtVariable, "r");

    VGrfElement &root2 = doc.AddPage()->Root();
    label(*group(root2, true), vtFixed, "header");
    label(*group(root2, true), vtVariable, "v");
}

QString padded(const QString &line, const QString &comment)
{
    return line.leftJustified(87, QLatin1Char(' ')) + "// " + comment;
}
} // namespace

TEST(DataTemplate, typeOne)
{
    VDoc doc;
    buildDesign(doc);
    QStringList lines{"kept"};
    WriteDataTemplate(doc, lines, 1);
    const QString longLine = "            <f2=\"" + QString(90, QLatin1Char('p')) + "\"/>";
    const QStringList expected{
        "kept",
        "<?xml version=\"1.0\"?>",
        "<Document DesignFile=\"orders.edt\" DataType=\"1\">",
        "    <Page ID=\"1\" DesignName=\"Page1\">",
        padded("        <Data Status=\"Label\" DesignName=\"Label1\" Caption=\"Customer\"/>", "the customer"),
        "        <Data Status=\"Group\" DesignName=\"Group1\">",
        "            <f1=\"a\"/>",
        "            <f2=\"logo.bmp\"/>",
        "            <Data Status=\"BarCode\" DesignName=\"Group1_B1\" Caption=\"\" Type=\"2\" "
        "Value=\"012345678901\" ValueType=\"0\"/>",
        "        <Data Status=\"Label\" DesignName=\"Group1_G2_E1\" Caption=\"t\"/>",
        "        </Data>",
        "        <Data Status=\"BarCode\" DesignName=\"BarCode1\" Caption=\"Article\" Type=\"6\" "
        "Value=\"ABC\" "
        "ValueType=\"0\"/>",
        "        <Data Status=\"Group\" DesignName=\"Group3\">",
        "            <f1=\"q\"/>",
        longLine + "  // long",
        "        </Data>",
        "        <Data Status=\"Group\" DesignName=\"Group4\">",
        "            <f1=\"r\"/>",
        "        </Data>",
        "    </Page>",
        "    <Page ID=\"2\" DesignName=\"Page2\">",
        "        <Data Status=\"Group\" DesignName=\"Group2\">",
        "            <f1=\"v\"/>",
        "        </Data>",
        "    </Page>",
        "</Document>",
    };
    EXPECT_EQ(lines, expected);
}

TEST(DataTemplate, typeTwoWritesTheFirstBandOfEachContainer)
{
    VDoc doc;
    buildDesign(doc);
    QStringList lines;
    WriteDataTemplate(doc, lines, 2);
    const QStringList expected{
        "<?xml version=\"1.0\"?>",
        "<Document DesignFile=\"orders.edt\" DataType=\"2\">",
        "    <Page ID=\"1\" DesignName=\"Page1\">",
        padded("        <Data Status=\"Label\" DesignName=\"Label1\" Caption=\"Customer\"/>", "the customer"),
        "        <Data Status=\"Group\" DesignName=\"Group1\">",
        "            <f1=\"a\"/>",
        "            <Data Status=\"BarCode\" DesignName=\"Group1_B1\" Caption=\"\" Type=\"2\" "
        "Value=\"012345678901\" ValueType=\"0\"/>",
        "        <Data Status=\"Label\" DesignName=\"Group1_G2_E1\" Caption=\"t\"/>",
        "        </Data>",
        "        <Data Status=\"BarCode\" DesignName=\"BarCode1\" Caption=\"Article\" Type=\"6\" "
        "Value=\"ABC\" "
        "ValueType=\"0\"/>",
        "        <Data Status=\"Group\" Repeat=\"1\" ID=\"3\" RepeatCount=\"2\">",
        "            <f1=\"q\" f2=\"" + QString(90, QLatin1Char('p')) + "\"/>",
        "        </Data>",
        "    </Page>",
        // the first band has no variable label: nothing for it, and the second is not written
        "    <Page ID=\"2\" DesignName=\"Page2\">",
        "    </Page>",
        "</Document>",
    };
    EXPECT_EQ(lines, expected);
}

TEST(DataTemplate, designFileNameIsTheLastPathPartCutTo128)
{
    VDoc doc;
    doc.AddPage();
    const auto templateOf = [&](const QString &fileName) {
        doc.SetFileName(fileName);
        QStringList lines;
        WriteDataTemplate(doc, lines, 1);
        return lines;
    };
    EXPECT_EQ(templateOf("C:\\Corvant\\forms\\bill.edt")[1],
              "<Document DesignFile=\"bill.edt\" DataType=\"1\">");
    EXPECT_EQ(templateOf("/tmp/" + QString(200, QLatin1Char('n')) + ".edt")[1],
              "<Document DesignFile=\"" + QString(128, QLatin1Char('n')) + "\" DataType=\"1\">");
    // an unsaved design and an empty page
    EXPECT_EQ(templateOf(QString()),
              (QStringList{"<?xml version=\"1.0\"?>", "<Document DesignFile=\"\" DataType=\"1\">",
                           "    <Page ID=\"1\" DesignName=\"Page1\">", "    </Page>", "</Document>"}));
}
