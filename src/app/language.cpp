#include "app/language.h"

#include "model/code_page.h"

#include <QCoreApplication>
#include <QTranslator>
#include <memory>

namespace
{
std::unique_ptr<QTranslator> &translator()
{
    static std::unique_ptr<QTranslator> t;
    return t;
}
} // namespace

void SelectLanguage(int codePage)
{
    if (codePage != 1251 && codePage != 1254) codePage = 1252;
    SetInterfaceCodePage(codePage);
    if (translator()) {
        QCoreApplication::removeTranslator(translator().get());
        translator().reset();
    }
    if (codePage == 1252) return; // the English texts are the source texts
    auto t = std::make_unique<QTranslator>();
    const QString name = codePage == 1251 ? QStringLiteral("tessaly_ru") : QStringLiteral("tessaly_tr");
    if (t->load(name, QStringLiteral(":/i18n"))) {
        QCoreApplication::installTranslator(t.get());
        translator() = std::move(t);
    }
}

int CurrentLanguageCodePage()
{
    return InterfaceCodePage();
}
