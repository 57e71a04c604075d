#include "app/report/temporary_pictures.h"

#include <QDir>
#include <QFileInfo>

int RemoveTemporaryPictures(const QString &designFile)
{
    const QFileInfo info(designFile);
    QDir folder = info.absoluteDir();
    const QString base = info.completeBaseName();
    int removed = 0;
    for (const char *kind : {"_barcode_", "_table_", "_group_", "_pict_"}) {
        const QString pattern = base + QLatin1Char('*') + QLatin1String(kind) + QStringLiteral("*.*");
        for (const QString &name : folder.entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System))
            if (folder.remove(name)) // a file that cannot go is skipped
                ++removed;
    }
    return removed;
}
