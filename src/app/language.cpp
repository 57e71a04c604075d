#include "app/language.h"

#include "model/code_page.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace
{
std::unique_ptr<QTranslator> &translator()
{
    static std::unique_ptr<QTranslator> t;
    return t;
}

// Qt's own texts (OK, Cancel, Yes, the file dialogs) come from Qt's translations when installed.
std::unique_ptr<QTranslator> &qtTranslator()
{
    static std::unique_ptr<QTranslator> t;
    return t;
}
} // namespace

void SelectLanguage(int codePage)
{
    if (codePage != 1251 && codePage != 1254) codePage = 1252;
    SetInterfaceCodePage(codePage);
    for (auto *installed : {&translator(), &qtTranslator()}) {
        if (!*installed) continue;
        QCoreApplication::removeTranslator(installed->get());
        installed->reset();
    }
    if (codePage == 1252) return; // the English texts are the source texts
    auto t = std::make_unique<QTranslator>();
    const QString name = codePage == 1251 ? QStringLiteral("tessaly_ru") : QStringLiteral("tessaly_tr");
    if (t->load(name, QStringLiteral(":/i18n"))) {
        QCoreApplication::installTranslator(t.get());
        translator() = std::move(t);
    }
    auto qt = std::make_unique<QTranslator>();
    const QString qtName = codePage == 1251 ? QStringLiteral("qtbase_ru") : QStringLiteral("qtbase_tr");
    if (qt->load(qtName, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        qtTranslator() = std::move(qt);
    }
}

int CurrentLanguageCodePage()
{
    return InterfaceCodePage();
}
