#include "model/v_set_page.h"

void VSetPage::CopySettingsFrom(const VSetPage &other)
{
    const QString name = Name;
    const int num = Num;
    *this = other;
    Name = name;
    Num = num;
}
