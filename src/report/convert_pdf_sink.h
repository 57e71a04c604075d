#pragma once

#include "report/convert_shard.h"
#include "report/report_sink.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class VDoc;

// Writes the documents of a convert file as PDFs while the data is still being read: each
// page goes to its document's PDF as soon as it is complete and is freed once written, and
// documents are written side by side on all cores. Messages come in document order on the
// thread that reads the data. Pages read while no output file is named stay in the report.
// An output name that breaks the rules of PrepareConvertOutput is refused, with the document's
// number and the name; the other documents go on.
class ConvertPdfSink : public ReportSink
{
public:
    struct Options {
        int codePage;                   // of the texts; the process's interface code page by default
        bool writePictureFiles = false; // keep the label bitmaps beside each PDF
        // Writers working at once: -1 one per core, 0 every document on the reading thread.
        int threads = -1;
        QStringList inputs; // files no PDF may replace (the design and the data file)
        // When set, every output is named relative to this folder and must stay inside it.
        QString outputFolder;
        ConvertShard shard; // the documents this run writes; the others are not even built
        // A document whose output is already a complete PDF (IsCompletePdf) is left as it is,
        // unless a document before it in this run writes that file.
        bool skipExisting = false;
        // For every document: its PDF written (failed false), or why not, or what it left out.
        std::function<void(const QString &message, bool failed)> message;
        Options();
    };

    ConvertPdfSink(const VDoc &design, Options options);
    ~ConvertPdfSink() override;

    void OutputNamed(const QString &pdfPath) override;
    void PageDone(VDoc &report, int index) override;
    void DocumentDone(VDoc &report, const ConvertDocument &document) override;
    // Given as a failed message, after the messages of the documents before it.
    void DataWarning(const QString &text) override;
    bool SkipsDocument() override;

    // Waits for every document and gives the last messages. False when any PDF failed or was
    // incomplete. A document whose end was never read is not written.
    bool Finish();
    int Written() const;
    // Documents left as they were under skipExisting (those of other shards are not counted).
    int Skipped() const;

private:
    struct Pool;
    std::unique_ptr<Pool> d;
};
