#include "files/design_file.h"
#include "model/v_doc.h"
#include "render/page_image.h"

#include <QFile>
#include <benchmark/benchmark.h>

namespace
{

// The example invoice when the source tree has it, else a page of similar make-up.
VDoc &invoice()
{
    static VDoc doc;
    if (doc.PageCount() > 0) return doc;
    const QString path = QStringLiteral(TESSALY_SOURCE_DIR "/examples/invoice.edt");
    if (QFile::exists(path) && ReadDesignFile(doc, path).ok && doc.PageCount() > 0) return doc;
    doc.Clear();
    VPage *page = doc.AddPage();
    page->PlaceRoot();
    VGrfElement &root = page->Root();
    for (int row = 0; row < 30; ++row)
        for (int col = 0; col < 4; ++col) {
            auto cell = std::make_unique<VGrfElement>(ElementKind::Label);
            cell->Shape().SetRelLeft(600 + col * 2600);
            cell->Shape().SetRelTop(600 + row * 450);
            cell->Shape().SetWidth(2600);
            cell->Shape().SetHeight(450);
            cell->Shape().SetFigure(3);
            cell->Shape().SetBorderLine(VShape::BorderBottom, VBorder{true, 0, 1, 0});
            cell->Font().SetFontName(QStringLiteral("Arial"));
            cell->SetCaption(QStringLiteral("Item %1.%2").arg(row).arg(col));
            root.InsertChild(std::move(cell));
        }
    root.RecomputeAbsolute(root.Shape().RelLeft(), root.Shape().RelTop());
    return doc;
}

void paintPreview(benchmark::State &state)
{
    VPage &page = *invoice().PageAt(0);
    PageImageOptions options;
    options.zoom = int(state.range(0));
    for (auto _ : state) {
        QImage image = RenderPageImage(page, options);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(paintPreview)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

void paintDesignView(benchmark::State &state)
{
    VPage &page = *invoice().PageAt(0);
    PageImageOptions options;
    options.designView = true;
    for (auto _ : state) {
        QImage image = RenderPageImage(page, options);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(paintDesignView)->Unit(benchmark::kMillisecond);

void paintPrint300Dpi(benchmark::State &state)
{
    VPage &page = *invoice().PageAt(0);
    PageImageOptions options;
    options.dpi = 300;
    for (auto _ : state) {
        QImage image = RenderPageImage(page, options);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(paintPrint300Dpi)->Unit(benchmark::kMillisecond);

} // namespace
