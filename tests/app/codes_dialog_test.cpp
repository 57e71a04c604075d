// The operation code picker driven without exec().
#include "app/dialogs/codes_dialog.h"
#include "fake_prompts.h"
#include "test_support.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace
{
QStringList column(const QTableWidget *grid, int c)
{
    QStringList texts;
    for (int r = 0; r < grid->rowCount(); ++r)
        texts << grid->item(r, c)->text();
    return texts;
}
} // namespace

TEST(CodesDialog, choosesCodesAndSubcodesWithoutAPerson)
{
    QTemporaryDir dir;
    const QString table = dir.filePath("ZelDizayn_01.efi");
    testsupport::writeAll(table, "[KONU]\n30=Sales\n10=Purchase\n20=Returns\n"
                                 "[30]\nLINK=20\nNOTE=as returns\n"
                                 "[20]\nHEADER=Returns\n5=Damaged\n6=Late\n");
    FakePrompts prompts;

    { // OK without a chosen row keeps the code passed in.
        TfrmCodes d(table, prompts);
        d.Code = 99;
        d.FormShow();
        QTableWidget *grid = d.grid();
        EXPECT_EQ(column(grid, 0), (QStringList{"30", "10", "20"}));
        EXPECT_EQ(column(grid, 1), (QStringList{"Sales", "Purchase", "Returns"}));
        EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "Code");
        EXPECT_TRUE(grid->selectionModel()->selectedRows().isEmpty());
        d.findChild<QPushButton *>("OkBtn")->click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_EQ(d.Code, 99);
    }
    { // The code passed in starts selected; OK takes the row chosen instead.
        TfrmCodes d(table, prompts);
        d.Code = 10;
        d.FormShow();
        ASSERT_EQ(d.grid()->selectionModel()->selectedRows().size(), 1);
        EXPECT_EQ(d.grid()->selectionModel()->selectedRows().front().row(), 1);
        d.grid()->selectRow(2);
        d.OkBtnClick();
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_EQ(d.Code, 20);
    }
    { // Double-click on a row, shown on the offscreen screen; columns follow the grid's width.
        TfrmCodes d(table, prompts);
        d.show();
        for (int width : {600, 320}) {
            d.resize(width, 400);
            QCoreApplication::processEvents();
            const int inside = d.grid()->viewport()->width();
            EXPECT_EQ(d.grid()->columnWidth(0) + d.grid()->columnWidth(1), inside) << width;
            EXPECT_LT(d.grid()->columnWidth(0), d.grid()->columnWidth(1)) << width;
        }
        const QRect cell = d.grid()->visualItemRect(d.grid()->item(0, 1));
        // A press, then the double-click event the platform makes of a second press.
        QTest::mouseClick(d.grid()->viewport(), Qt::LeftButton, {}, cell.center());
        QMouseEvent twice(QEvent::MouseButtonDblClick, cell.center(),
                          d.grid()->viewport()->mapToGlobal(cell.center()), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(d.grid()->viewport(), &twice);
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_EQ(d.Code, 30);
        EXPECT_FALSE(d.isVisible());
    }
    { // Sub-codes of a linked code; Cancel leaves the sub-code alone.
        TfrmCodes d(table, prompts);
        d.Mode = TfrmCodes::SubcodeMode;
        d.Code = 30;
        d.Subcode = 6;
        d.FormShow();
        EXPECT_EQ(d.grid()->horizontalHeaderItem(0)->text(), "Subcode");
        EXPECT_EQ(column(d.grid(), 0), (QStringList{"5", "6"}));
        EXPECT_EQ(d.findChild<QLabel *>("CodeText")->text(), "30  Sales");
        d.grid()->selectRow(0);
        d.findChild<QPushButton *>("CancelBtn")->click();
        EXPECT_EQ(d.result(), QDialog::Rejected);
        EXPECT_EQ(d.Subcode, 6);
        d.grid()->selectRow(0);
        d.OkBtnClick();
        EXPECT_EQ(d.Subcode, 5);
    }
    TfrmCodes help(table, prompts);
    help.findChild<QPushButton *>("HelpBtn")->click(); // says where the codes come from
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_TRUE(prompts.shown[0].text.contains(table));
}

TEST(CodesDialog, looksForTheTableInTheStoredFolderUnderTheLanguagesName)
{
    QTemporaryDir dir;
    QSettings store(dir.filePath("settings.ini"), QSettings::IniFormat);
    EXPECT_TRUE(CodeTablePath(store, 1254).endsWith("/Corvant/Default/ZelDizayn.efi"));
    store.setValue("Codes/Folder", dir.filePath("codes"));
    EXPECT_EQ(CodeTablePath(store, 1251), dir.filePath("codes/ZelDizayn_02.efi"));
    EXPECT_TRUE(CodeTablePath(store, 1250).isEmpty());
}
