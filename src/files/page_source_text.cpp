#include "files/atomic_file.h"
#include "files/design_file.h"
#include "model/v_doc.h"
#include "model/v_page.h"

#include <QFile>
#include <QTemporaryDir>

// The page source goes through the same files as the program's page source exchange, so that
// the text shown is exactly what that writes and reads.

QString PageSourceText(VDoc &doc, int index, QString *error)
{
    QTemporaryDir folder;
    FileResult r = folder.isValid() ? SavePageSource(doc, index, folder.path())
                                    : FileResult::failure(folder.errorString());
    QFile file(PageSourcePath(index, folder.path()));
    if (r && !file.open(QIODevice::ReadOnly)) r = FileResult::failure(file.errorString());
    if (!r) {
        if (error) *error = r.error;
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

std::unique_ptr<VPage> PageFromSourceText(VDoc &doc, int index, const QString &text, FileResult *result)
{
    FileResult r;
    const VPage *target = doc.PageAt(index);
    QTemporaryDir folder;
    if (!target) r = FileResult::failure(QStringLiteral("There is no page %1.").arg(index + 1));
    QString error;
    if (r && !folder.isValid()) r = FileResult::failure(folder.errorString());
    if (r && !WriteFileAtomically(PageSourcePath(0, folder.path()), text.toUtf8(), &error))
        r = FileResult::failure(error);
    std::unique_ptr<VPage> page;
    if (r) {
        VDoc scratch;
        scratch.Settings() = doc.Settings();
        scratch.Font() = doc.Font();
        VPage *read = scratch.AddPage();
        read->Settings() = target->Settings();
        read->Font() = target->Font();
        read->SetFollowsDocumentSettings(target->FollowsDocumentSettings());
        read->SetZoom(target->Zoom());
        r = LoadPageSource(scratch, 0, folder.path());
        if (r) {
            page = scratch.TakePage(0);
            page->SetZoom(target->Zoom());
        }
    }
    if (result) *result = r;
    return page;
}
