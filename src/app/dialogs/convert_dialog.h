#pragma once

#include "app/report/export_settings.h"
#include "app/dialogs/texted_dialog.h"
#include "export/picture_export.h"

#include <functional>

class Prompts;
class QCheckBox;
class QLineEdit;
class QTabWidget;

// What an export produced: the files written (the first is the output) or the reason it failed.
struct ExportOutcome {
    QStringList written;
    QString error;       // why it failed, or what it left out when it did not
    bool failed = false; // what is written may be incomplete, or an older file of that name
    // Why these files may not be mailed (a failed export, or none written); empty when they may.
    QString notMailable() const;
};

// The status bar's account of an export: the file written, or the first and last of several
// with their number, or that nothing was written.
QString WrittenFilesText(const QStringList &written);

// The export dialog of the report mode: a tab per output format with its options, the output
// name, and what to do with the file afterwards.
class TfrmConvert : public TextedDialog
{
public:
    // Runs one export: format index, output path, the options as the dialog holds them, and
    // whether HTML goes into one MHT file (a choice that is not stored).
    using Exporter =
        std::function<ExportOutcome(int format, const QString &path, const ExportSettings &options, bool mht)>;
    TfrmConvert(const ExportSettings &settings, const QString &reportPath, Exporter exporter, Prompts &prompts,
                QWidget *parent = nullptr);

    int format() const;
    void setFormat(int format);
    QString fileName() const;
    // The options as the controls show them.
    ExportSettings settings() const;
    bool saveAsMht() const;
    void applyTexts() override;
    // OK: exports, and on success leaves the result text (path and " File was created!").
    void cmdOkClick();
    void cmdFileSafeAsClick();
    QString resultText() const { return m_result; }
    const QStringList &written() const { return m_written; }
    // Opens a written file with the desktop's program (tests put a recorder here).
    std::function<void(const QString &)> openFile;
    // Hands the written files to the mail utility; "Send by e-mail" is offered only with it.
    void setMailer(std::function<void(const QStringList &)> mailer);
    // What is exported when it is not the report, added to the title ("the design without data").
    void setSubject(const char *english);

private:
    void propose();
    // The picture tab's name takes the extension of the first ticked format.
    void followPictureFormats();
    PictureFormats pictureFormats() const;

    ExportSettings m_settings;
    QString m_reportPath;
    Exporter m_exporter;
    Prompts &m_prompts;
    QTabWidget *m_tabs;
    QLineEdit *m_fileName;
    QCheckBox *m_newPage, *m_eof, *m_htmlPictures, *m_mht, *m_rtfPictures, *m_docPictures;
    QCheckBox *m_bmp, *m_jpeg, *m_gif, *m_ico, *m_png;
    QCheckBox *m_preview, *m_email;
    QLineEdit *m_convertFolder;
    std::function<void(const QStringList &)> m_mailer;
    QString m_result;
    QStringList m_written;
    const char *m_subject = nullptr;
};
