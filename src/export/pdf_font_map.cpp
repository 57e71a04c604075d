#include "export/pdf_font_map.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMutex>
#include <QTextStream>

namespace
{
QMutex &fontMapMutex()
{
    static QMutex mutex;
    return mutex;
}

} // namespace

std::shared_ptr<const PdfFontMap> LoadPdfFontMap(const QString &path)
{
    static QHash<QString, std::pair<QDateTime, std::shared_ptr<const PdfFontMap>>> cache;
    static QHash<QString, QString> registered; // font file -> family
    QMutexLocker lock(&fontMapMutex());
    const QFileInfo info(path);
    const auto cached = cache.constFind(path);
    if (cached != cache.cend() && cached->first == info.lastModified()) return cached->second;

    auto map = std::make_shared<PdfFontMap>();
    QFile file(path);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        const QDir folder = info.absoluteDir();
        QTextStream in(&file);
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char(';')))
                continue;
            const int eq = line.indexOf(QLatin1Char('='));
            if (eq <= 0) continue;
            const QString name = line.left(eq).trimmed();
            const QString fontPath = line.mid(eq + 1).trimmed();
            if (fontPath.isEmpty()) continue;
            const QString face = name.section(QLatin1Char(','), 0, 0).trimmed();
            const QString style =
                name.section(QLatin1Char(','), 1).remove(QLatin1Char(' ')).remove(QLatin1Char(','));
            const QString fontFile = QDir::isAbsolutePath(fontPath) ? fontPath : folder.filePath(fontPath);
            auto known = registered.constFind(fontFile);
            if (known == registered.cend()) {
                const int id = QFontDatabase::addApplicationFont(fontFile);
                const QStringList families =
                    id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
                known = registered.insert(fontFile, families.isEmpty() ? QString() : families.first());
            }
            map->families.insert(face.toLower() + QLatin1Char(',') + style.toLower(), *known);
            if (!map->faces.contains(face, Qt::CaseInsensitive)) map->faces << face;
        }
    }
    cache.insert(path, {info.lastModified(), map});
    return map;
}
