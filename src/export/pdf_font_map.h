#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>

// A font map read once per process: each face with its file, and the family the font database
// gave that file. Engines share it, so that a batch of documents registers every font once
// (registering it again per document made the database slower with every document).
struct PdfFontMap {
    QHash<QString, QString> families; // key: lower-case "face," + style; value: font family
    QStringList faces;
};

// The map of path, read once per process (and again when the file changes); its font files are
// registered with the font database the first time any map names them. Safe on any thread.
std::shared_ptr<const PdfFontMap> LoadPdfFontMap(const QString &path);
