#pragma once

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

// An initialisation file edited the way the Windows profile functions edit one: sections and
// keys stay in file order, names match without regard to letter case, a key that is set again
// keeps its place, new keys and sections go to the end. Lines that are not understood are kept
// byte for byte, so a file shared with other programs loses nothing of theirs.
class OrderedIni
{
public:
    // codePage: the 8-bit encoding of the values written (names are plain ASCII).
    explicit OrderedIni(int codePage);

    // Reads an existing file; a missing file is an empty one. False with the reason otherwise.
    bool load(const QString &path, QString *error);
    void setValue(const QString &section, const QString &key, const QString &value);
    // Removes every section of that name with its keys.
    void removeSection(const QString &section);
    // Removes the section and writes it anew at the end, its keys in the order given.
    void replaceSection(const QString &section, const std::vector<std::pair<QString, QString>> &keys);

    QByteArray bytes() const;
    bool save(const QString &path, QString *error) const;

private:
    struct Section {
        QByteArray name;              // null for the lines before the first section
        QByteArray header;            // the "[name]" line as read, with its line end
        std::vector<QByteArray> body; // each line with its own line end
    };
    Section *find(const QByteArray &name);
    // Makes sure the file's last line is ended before anything is appended after it.
    void endLastLine();

    int m_codePage;
    std::vector<Section> m_sections;
};
