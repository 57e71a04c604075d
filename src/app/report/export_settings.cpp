#include "app/report/export_settings.h"

#include <QSettings>

ExportSettings ReadExportSettings(QSettings &store)
{
    ExportSettings s;
    // QSettings cannot tell an absent key from an empty one; a store without values is "no key".
    if (store.allKeys().isEmpty()) return s;
    auto flag = [&](const char *name, bool &target) {
        if (store.contains(QLatin1String(name))) target = store.value(QLatin1String(name)).toInt() != 0;
    };
    if (store.contains(QStringLiteral("ID_of_Convert")))
        s.ID_of_Convert = store.value(QStringLiteral("ID_of_Convert")).toInt();
    flag("ImageSaveHTML", s.ImageSaveHTML);
    flag("ImageSaveDoc", s.ImageSaveDoc);
    flag("CheckNewPage", s.CheckNewPage);
    flag("CheckEOFChar", s.CheckEOFChar);
    flag("ImageSaveRtf", s.ImageSaveRtf);
    flag("CheckBMP", s.CheckBMP);
    flag("CheckJPEG", s.CheckJPEG);
    flag("CheckICO", s.CheckICO);
    flag("CheckGIF", s.CheckGIF);
    flag("CheckPNG", s.CheckPNG);
    s.ConvertFolder = store.value(QStringLiteral("ConvertFolder")).toString();
    if (!(s.CheckBMP || s.CheckJPEG || s.CheckICO || s.CheckGIF || s.CheckPNG)) s.CheckJPEG = true;
    return s;
}

void WriteExportSettings(QSettings &store, const ExportSettings &s)
{
    store.setValue(QStringLiteral("ID_of_Convert"), s.ID_of_Convert);
    const std::pair<const char *, bool> flags[] = {
        {"ImageSaveHTML", s.ImageSaveHTML}, {"ImageSaveDoc", s.ImageSaveDoc},
        {"CheckNewPage", s.CheckNewPage},   {"CheckEOFChar", s.CheckEOFChar},
        {"ImageSaveRtf", s.ImageSaveRtf},   {"CheckBMP", s.CheckBMP},
        {"CheckJPEG", s.CheckJPEG},         {"CheckICO", s.CheckICO},
        {"CheckGIF", s.CheckGIF},           {"CheckPNG", s.CheckPNG},
    };
    for (const auto &[name, on] : flags)
        store.setValue(QLatin1String(name), on ? 1 : 0);
    store.setValue(QStringLiteral("ConvertFolder"), s.ConvertFolder);
    store.sync();
}
