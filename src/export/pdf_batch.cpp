#include "export/pdf_batch.h"

#include "export/pdf_engine.h"
#include "export/pdf_replay.h"
#include "export/pdf_split.h"
#include "files/atomic_file.h"
#include "model/v_page.h"

#include <QBuffer>
#include <QTemporaryFile>

namespace
{
struct Section {
    QString fileName;
    int first = 0; // first page in the batch
    int pages = 0;
    PdfExportResult result;
};
} // namespace

struct PdfBatch::State {
    int codePage = 1252;
    bool writePictureFiles = false;
    QTemporaryFile file;
    QBuffer memory; // instead of the file, for the self-check
    QIODevice *device = nullptr;
    PdfEngine pdf;
    bool started = false;
    PdfExportResult startResult;
    std::unique_ptr<PdfReplay> replay;
    std::vector<Section> sections;
    int pages = 0;
    std::vector<std::unique_ptr<AtomicFile>> files; // written, until committed
};

PdfBatch::PdfBatch(int codePage, bool writePictureFiles) : d(std::make_unique<State>())
{
    d->codePage = codePage;
    d->writePictureFiles = writePictureFiles;
    d->device = &d->file;
}

PdfBatch::~PdfBatch()
{
    d->replay.reset();
    d->pdf.abandonDocument();
}

void PdfBatch::beginDocument(const QString &fileName, const QSize &pageSize)
{
    Section section;
    section.fileName = fileName;
    section.first = d->pages;
    section.result.title = QStringLiteral("Tessaly");
    if (!d->started) {
        d->started = true;
        if (d->device == &d->file && !d->file.open()) {
            d->startResult.ok = false;
            d->startResult.message =
                QStringLiteral("a temporary file cannot be made: %1").arg(d->file.errorString());
        } else if (d->device == &d->memory) {
            d->memory.open(QIODevice::ReadWrite);
        }
        if (d->startResult.ok && d->pdf.beginDocument(d->device)) {
            d->pdf.collectUnderlays();
            SetUpPdf(d->pdf, pageSize.width(), pageSize.height(), d->codePage, QString(), d->startResult);
        } else if (d->startResult.ok)
            d->startResult = PdfExportResult{false, d->pdf.errorMessage(), QString(), {}};
    }
    if (!d->startResult.ok) section.result = d->startResult;
    d->sections.push_back(section);
    // Each document draws with its own page size; its first page turns the batch's page.
    d->replay =
        std::make_unique<PdfReplay>(d->pdf, fileName, pageSize.width(), pageSize.height(), d->codePage);
}

void PdfBatch::addPage(VPage &page)
{
    if (d->sections.empty()) return;
    Section &s = d->sections.back();
    if (!s.result.ok) return;
    const QString problem = page.PaperSizeProblem();
    if (!problem.isEmpty()) {
        s.result.ok = false;
        s.result.message = problem;
        return;
    }
    // Every page after the batch's very first turns the page, a document's first one included.
    ReplayReportPage(*d->replay, page, s.fileName, d->writePictureFiles, d->pages > 0, s.pages + 1,
                     s.result.warnings);
    ++d->pages;
    ++s.pages;
}

void PdfBatch::dropDocument()
{
    if (d->sections.empty()) return;
    d->sections.back().result.ok = false;
    d->sections.back().result.message = QStringLiteral("the document never ended");
}

int PdfBatch::pageCount() const
{
    return d->pages;
}

std::vector<PdfExportResult> PdfBatch::finish()
{
    writeFiles();
    return commit();
}

void PdfBatch::writeFiles()
{
    d->replay.reset();
    if (!d->started) return;
    if (d->pages > 0) d->pdf.endPage();
    d->pdf.endDocument();
    d->device->close();
    QByteArrayView pdf;
    uchar *mapped = nullptr;
    if (d->device == &d->memory) {
        pdf = d->memory.data();
    } else if (d->file.open() && d->file.size() > 0 && (mapped = d->file.map(0, d->file.size()))) {
        pdf = QByteArrayView(reinterpret_cast<const char *>(mapped), d->file.size());
    }
    PdfSplitter splitter;
    const bool split = d->startResult.ok && d->pages > 0 && splitter.open(pdf, d->pdf.takeUnderlays());
    d->files.resize(d->sections.size());
    for (size_t i = 0; i < d->sections.size(); ++i) {
        Section &s = d->sections[i];
        PdfExportResult &r = s.result;
        if (r.ok && s.pages == 0) {
            r.ok = false;
            r.message = QStringLiteral("The report has no pages");
        } else if (r.ok && !split) {
            r.ok = false;
            r.message = splitter.error();
        } else if (r.ok) {
            auto file = std::make_unique<AtomicFile>(s.fileName);
            if (!file->open() || !splitter.write(s.first, s.pages, *file) || !file->setAside()) {
                r.ok = false;
                r.message = file->error().isEmpty() ? splitter.error() : file->error();
            } else {
                d->files[i] = std::move(file);
            }
        }
    }
    if (mapped) d->file.unmap(mapped);
    d->file.remove();
    d->memory.setData(QByteArray());
}

std::vector<PdfExportResult> PdfBatch::commit()
{
    std::vector<AtomicFile *> commits;
    for (const auto &f : d->files)
        if (f) commits.push_back(f.get());
    AtomicFile::CommitAll(commits);
    std::vector<PdfExportResult> results;
    for (size_t i = 0; i < d->sections.size(); ++i) {
        PdfExportResult r = d->sections[i].result;
        if (i < d->files.size() && d->files[i] && !d->files[i]->error().isEmpty()) {
            r.ok = false;
            r.message = d->files[i]->error();
        }
        results.push_back(r);
    }
    d->files.clear();
    return results;
}

bool PdfBatch::Works()
{
    static const bool works = [] {
        // Two documents of one empty page each, in memory; both must come out as PDFs.
        PdfBatch batch(1252, false);
        batch.d->device = &batch.d->memory;
        for (const char *name : {"/nonexistent/a.pdf", "/nonexistent/b.pdf"}) {
            batch.beginDocument(QString::fromLatin1(name), QSize(100, 100));
            VPage page;
            batch.addPage(page);
        }
        batch.d->replay.reset();
        batch.d->pdf.endPage();
        batch.d->pdf.endDocument();
        PdfSplitter splitter;
        if (!splitter.open(batch.d->memory.data()) || splitter.pageCount() != 2) return false;
        for (int i = 0; i < 2; ++i) {
            QBuffer part;
            part.open(QIODevice::WriteOnly);
            PdfSplitter check;
            if (!splitter.write(i, 1, part) || !check.open(part.data()) || check.pageCount() != 1)
                return false;
        }
        return true;
    }();
    return works;
}
