#include "app/dialogs/texted_dialog.h"

namespace
{
// Where an entry keeps its English text.
constexpr int kEnglishRole = Qt::UserRole + 1;
} // namespace

void AddTextItem(QComboBox *box, const char *english, int data)
{
    box->addItem(T(english), data);
    box->setItemData(box->count() - 1, QByteArray(english), kEnglishRole);
}

void RetextItems(QWidget *root)
{
    for (QComboBox *box : root->findChildren<QComboBox *>())
        for (int i = 0; i < box->count(); ++i)
            if (const QByteArray english = box->itemData(i, kEnglishRole).toByteArray(); !english.isEmpty())
                box->setItemText(i, T(english.constData()));
}

