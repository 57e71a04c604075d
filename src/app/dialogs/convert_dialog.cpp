#include "app/dialogs/convert_dialog.h"

#include "app/prompts.h"
#include "export/export_names.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

QString ExportOutcome::notMailable() const
{
    if (!failed && !written.isEmpty()) return {};
    const QString why = failed && !error.isEmpty() ? error : T("the export wrote no file");
    return T("Nothing was sent by e-mail:") + QLatin1Char(' ') + why;
}

QString WrittenFilesText(const QStringList &written)
{
    if (written.isEmpty()) return T("No file was written");
    if (written.size() == 1) return written.first();
    return written.first() + QStringLiteral(" ... ") + written.last() + QStringLiteral(" (") +
           T("%1 files").arg(written.size()) + QLatin1Char(')');
}

TfrmConvert::TfrmConvert(const ExportSettings &settings, const QString &reportPath, Exporter exporter,
                         Prompts &prompts, QWidget *parent)
    : TextedDialog(parent), m_settings(settings), m_reportPath(reportPath), m_exporter(std::move(exporter)),
      m_prompts(prompts)
{
    setObjectName(QStringLiteral("frmConvert"));
    setTitle("File Export");
    openFile = [](const QString &path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };

    auto *nameRow = new QHBoxLayout;
    m_fileName = new QLineEdit(this);
    m_fileName->setObjectName(QStringLiteral("txtFileName"));
    auto *browse = new QToolButton(this);
    browse->setObjectName(QStringLiteral("cmdFileSafeAs"));
    browse->setText(QStringLiteral("..."));
    connect(browse, &QToolButton::clicked, this, [this] { cmdFileSafeAsClick(); });
    nameRow->addWidget(m_fileName);
    nameRow->addWidget(browse);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("Pages_Convert"));
    auto page = [this](const char *name, std::initializer_list<std::pair<QCheckBox **, const char *>> boxes) {
        auto *w = new QWidget(m_tabs);
        w->setObjectName(QLatin1String(name));
        auto *layout = new QVBoxLayout(w);
        for (const auto &[box, text] : boxes) {
            *box = texted(new QCheckBox(w), text);
            layout->addWidget(*box);
        }
        layout->addStretch();
        m_tabs->addTab(w, QString());
    };
    page("tabTxt", {{&m_newPage, "Page-break character between pages"}, {&m_eof, "End-of-file character at the end"}});
    page("tabHtml", {{&m_htmlPictures, "Save pictures"}, {&m_mht, "Save as one MHT file"}});
    page("tabRTF", {{&m_rtfPictures, "Save pictures"}});
    page("tabDoc", {{&m_docPictures, "Save pictures"}});
    page("tabPdf", {});
    {
        // Convert files run at Generate, not here; their folder is stored with these settings.
        auto *pdf = static_cast<QVBoxLayout *>(m_tabs->widget(m_tabs->count() - 1)->layout());
        pdf->insertWidget(
            0, texted(new QLabel(m_tabs), "Convert files write only into this folder (empty: anywhere):"));
        m_convertFolder = new QLineEdit(m_tabs);
        m_convertFolder->setObjectName(QStringLiteral("txtConvertFolder"));
        pdf->insertWidget(1, m_convertFolder);
    }
    page("tabPict", {{&m_bmp, "BMP"}, {&m_jpeg, "JPEG"}, {&m_gif, "GIF"}, {&m_ico, "ICO"}, {&m_png, "PNG"}});
    page("tabXls", {});
    {
        auto *sheet = static_cast<QVBoxLayout *>(m_tabs->widget(m_tabs->count() - 1)->layout());
        auto *about = texted(new QLabel(m_tabs), "One sheet per page: each text in the cell of its row and "
                                                 "column, numbers as numbers, tables as grids (.xlsx).");
        about->setObjectName(QStringLiteral("lblXls"));
        about->setWordWrap(true);
        sheet->insertWidget(0, about);
    }
    const std::pair<QCheckBox *, const char *> names[] = {
        {m_newPage, "chkUseNewPageChar"}, {m_eof, "chkUseEOFChar"}, {m_htmlPictures, "chkSaveHtmlPictures"},
        {m_mht, "chkSaveAsMHT"}, {m_rtfPictures, "chkSaveRtfPictures"}, {m_docPictures, "chkSaveDocPictures"},
        {m_bmp, "chbBMP"}, {m_jpeg, "chbJPEG"}, {m_gif, "chbGIF"}, {m_ico, "chbICO"}, {m_png, "chbPNG"}};
    for (const auto &[box, name] : names)
        box->setObjectName(QLatin1String(name));
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] { propose(); });
    for (QCheckBox *box : {m_bmp, m_jpeg, m_gif, m_ico, m_png})
        connect(box, &QCheckBox::toggled, this, [this] { followPictureFormats(); });

    m_preview = texted(new QCheckBox(this), "Open the file after export");
    m_preview->setObjectName(QStringLiteral("chkPreview"));
    m_email = texted(new QCheckBox(this), "Send by e-mail");
    m_email->setObjectName(QStringLiteral("chkEmail"));
    m_email->setEnabled(false); // until there is a mailer
    auto *ok = texted(new QPushButton(this), "OK");
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { cmdOkClick(); });
    auto *cancel = texted(new QPushButton(this), "Cancel");
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_preview);
    bottom->addWidget(m_email);
    bottom->addStretch();
    bottom->addWidget(ok);
    bottom->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addWidget(m_tabs);
    layout->addLayout(bottom);

    const ExportSettings &s = m_settings;
    m_newPage->setChecked(s.CheckNewPage);
    m_eof->setChecked(s.CheckEOFChar);
    m_htmlPictures->setChecked(s.ImageSaveHTML);
    m_rtfPictures->setChecked(s.ImageSaveRtf);
    m_docPictures->setChecked(s.ImageSaveDoc);
    m_bmp->setChecked(s.CheckBMP);
    m_jpeg->setChecked(s.CheckJPEG);
    m_gif->setChecked(s.CheckGIF);
    m_ico->setChecked(s.CheckICO);
    m_png->setChecked(s.CheckPNG);
    m_convertFolder->setText(s.ConvertFolder);
    applyTexts();
    setFormat(s.ID_of_Convert);
    propose();
}

void TfrmConvert::applyTexts()
{
    TextedDialog::applyTexts();
    static const char *const titles[] = {"Text", "HTML", "RTF", "Word", "PDF", "Pictures", "Excel"};
    for (int i = 0; i < m_tabs->count(); ++i)
        m_tabs->setTabText(i, T(titles[i]));
    if (m_subject) setWindowTitle(windowTitle() + QStringLiteral(" - ") + T(m_subject));
}

void TfrmConvert::setSubject(const char *english)
{
    m_subject = english;
    applyTexts();
}

int TfrmConvert::format() const
{
    return m_tabs->currentIndex();
}

void TfrmConvert::setFormat(int format)
{
    m_tabs->setCurrentIndex(std::clamp(format, 0, m_tabs->count() - 1));
}

QString TfrmConvert::fileName() const
{
    return m_fileName->text();
}

void TfrmConvert::propose()
{
    m_fileName->setText(ProposedExportName(m_reportPath, format()));
    followPictureFormats();
}

PictureFormats TfrmConvert::pictureFormats() const
{
    PictureFormats chosen;
    chosen.setFlag(PictureFormat::Bmp, m_bmp->isChecked());
    chosen.setFlag(PictureFormat::Jpeg, m_jpeg->isChecked());
    chosen.setFlag(PictureFormat::Gif, m_gif->isChecked());
    chosen.setFlag(PictureFormat::Ico, m_ico->isChecked());
    chosen.setFlag(PictureFormat::Png, m_png->isChecked());
    return chosen;
}

void TfrmConvert::followPictureFormats()
{
    if (format() == ExportPictureFormat && !m_fileName->text().isEmpty())
        m_fileName->setText(PictureExportName(m_fileName->text(), pictureFormats()));
}

ExportSettings TfrmConvert::settings() const
{
    ExportSettings s;
    s.ID_of_Convert = format();
    s.CheckNewPage = m_newPage->isChecked();
    s.CheckEOFChar = m_eof->isChecked();
    s.ImageSaveHTML = m_htmlPictures->isChecked();
    s.ImageSaveRtf = m_rtfPictures->isChecked();
    s.ImageSaveDoc = m_docPictures->isChecked();
    s.CheckBMP = m_bmp->isChecked();
    s.CheckJPEG = m_jpeg->isChecked();
    s.CheckGIF = m_gif->isChecked();
    s.CheckICO = m_ico->isChecked();
    s.CheckPNG = m_png->isChecked();
    s.ConvertFolder = m_convertFolder->text().trimmed();
    return s;
}

bool TfrmConvert::saveAsMht() const
{
    return m_mht->isChecked();
}

void TfrmConvert::setMailer(std::function<void(const QStringList &)> mailer)
{
    m_mailer = std::move(mailer);
    m_email->setEnabled(bool(m_mailer));
}

void TfrmConvert::cmdFileSafeAsClick()
{
    const int f = format();
    const QString path =
        m_prompts.saveFileName(T("File Export"), ExportFilter(f), ExportSuffix(f), m_fileName->text());
    if (!path.isEmpty()) m_fileName->setText(path);
}

void TfrmConvert::cmdOkClick()
{
    const QString path = m_fileName->text();
    if (path.isEmpty()) return;
    const ExportOutcome outcome = m_exporter(format(), path, settings(), saveAsMht());
    if (!outcome.error.isEmpty()) m_prompts.warning(T("File Export"), outcome.error);
    m_written = outcome.written;
    const QString shown = m_written.isEmpty() ? path : m_written.first();
    // Only Turkish says it differently for several files.
    m_result = shown + (m_written.size() > 1
                            ? QCoreApplication::translate("Tessaly", " File was created!", "several files")
                            : T(" File was created!"));
    if (!m_written.isEmpty() && QFileInfo::exists(shown)) {
        if (m_preview->isChecked())
            openFile(shown);
        else
            m_prompts.information(T("File Export"), m_result);
    }
    // A failed export may have left an older file of that name: that one is never mailed.
    if (m_email->isChecked() && m_mailer) {
        if (const QString why = outcome.notMailable(); why.isEmpty())
            m_mailer(m_written);
        else
            m_prompts.warning(T("File Export"), why);
    }
    accept();
}
