// Paper forms and the printer description; the machine may have no printers.
#include "model/v_page.h"
#include "print/paper_forms.h"
#include "print/printers.h"

#include "test_support.h"

#include <QPageSize>
#include <gtest/gtest.h>

TEST(PaperForms, NumberedByTheirCodesInOrderWithWholeMillimetreLines)
{
    const std::vector<PaperForm> forms = PaperForms();
    ASSERT_GT(forms.size(), 20u);
    for (size_t i = 0; i < forms.size(); ++i) {
        EXPECT_GE(forms[i].number, 1);
        if (i) {
            EXPECT_LT(forms[i - 1].number, forms[i].number) << i;
        }
        EXPECT_EQ(QPageSize::windowsId(QPageSize::id(forms[i].number)), forms[i].number);
    }
    const auto byCode = [&](int code) {
        const auto it =
            std::find_if(forms.begin(), forms.end(), [code](const PaperForm &f) { return f.number == code; });
        return it == forms.end() ? PaperForm{} : *it;
    };
    EXPECT_EQ(FormLine(byCode(9)), "A4 (210 x 297 mm)  [Form BuiltIn]");
    // Letter is 215.9 x 279.4 mm: the fractions are cut, not rounded.
    EXPECT_EQ(FormSizeLine(byCode(1)), QPageSize(QPageSize::Letter).name() + " (215 x 279 mm)");
    EXPECT_EQ(FormKindText(PaperForm::User), "[Form User]");
    EXPECT_EQ(FormKindText(PaperForm::Printer), "[Form Printer]");

    VSetPage record;
    QStringList lines;
    record.PaperSize = 9;
    const int a4 = FillFormList(lines, 1, record);
    ASSERT_EQ(lines.size(), qsizetype(forms.size()));
    ASSERT_GE(a4, 0);
    EXPECT_EQ(lines[a4], "A4 (210 x 297 mm)  [Form BuiltIn]|[Form BuiltIn]");
    lines.clear();
    EXPECT_EQ(lines.value(FillFormList(lines, 3, record)), "A4 (210 x 297 mm)");
    for (int user : {256, 0}) {
        record.PaperSize = user;
        lines.clear();
        EXPECT_EQ(FillFormList(lines, 2, record), -1) << user;
        EXPECT_EQ(lines.value(a4), "A4");
    }
    EXPECT_EQ(NormalPaperSize(0), 256);
    EXPECT_EQ(NormalPaperSize(9), 9);
}

TEST(PaperForms, PrinterTreeHoldsThePrintersAndTheServerForms)
{
    const InfoNode top = PrinterTree();
    ASSERT_EQ(top.children.size(), 2u);
    const InfoNode &printers = top.children[0];
    const InfoNode &server = top.children[1];
    EXPECT_EQ(server.text, "PrintServer");
    ASSERT_EQ(server.children.size(), PaperForms().size());
    const auto a4 = std::find_if(server.children.begin(), server.children.end(),
                                 [](const InfoNode &n) { return n.form && n.form->number == 9; });
    ASSERT_NE(a4, server.children.end());
    EXPECT_EQ(a4->text, "A4 (210 x 297 mm)  [Form BuiltIn]  (#9)");

    const QStringList names = ListPrinters();
    ASSERT_EQ(printers.children.size(), size_t(names.size()));
    if (names.isEmpty()) {
        // No queue to describe: nothing is marked default, and a named printer has no papers.
        EXPECT_TRUE(DefaultPrinterName().isEmpty());
        EXPECT_TRUE(PrinterPapers(QStringLiteral("no-such-printer")).empty());
        return;
    }
    int defaults = 0;
    for (const InfoNode &p : printers.children) {
        EXPECT_TRUE(names.contains(p.printer)) << p.printer.toStdString();
        defaults += p.isDefault;
        if (p.isDefault) {
            EXPECT_EQ(p.printer, DefaultPrinterName());
        }
        QStringList groups;
        for (const InfoNode &c : p.children)
            groups << c.text;
        for (const char *group : {"Printer Parameters", "Paper Size", "Paper Sources"})
            EXPECT_TRUE(groups.contains(group)) << group;
        EXPECT_TRUE(groups.first().startsWith("Driver Name: "));
    }
    EXPECT_EQ(defaults, DefaultPrinterName().isEmpty() ? 0 : 1);
}

TEST(PaperForms, ReversedOrientationsTurnThePageLikeTheirPlainKinds)
{
    VPage page;
    page.Settings().Width = 210;
    page.Settings().Height = 297;
    for (int o : {1, 2, 3, 4}) {
        page.Settings().Orientation = o;
        const QSize t = page.TwipsSize();
        EXPECT_EQ(t.width() > t.height(), o == 2 || o == 4) << o;
    }
}

// A name that holds "%1" or "%2" is shown as it is, not filled in by the numbers after it.
TEST(PaperForms, NamesHoldingPlaceholdersStayAsTheyAre)
{
    PaperForm form;
    form.name = "Form %2 %1";
    form.widthMm = 100.6;
    form.heightMm = 50;
    EXPECT_EQ(FormSizeLine(form), "Form %2 %1 (100 x 50 mm)");
    VPage page;
    page.Settings().Name = "P%1";
    page.Settings().Width = 0.5;
    const QString problem = page.PaperSizeProblem();
    EXPECT_TRUE(problem.endsWith("(P%1): the paper size 0.5 x 297.0 mm lies outside 1 to 5080 mm"))
        << problem.toStdString();
}
