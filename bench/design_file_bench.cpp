// Load and save of a large generated design; reports elements per second.
#include "files/design_file.h"
#include "model/element_ops.h"
#include "model/v_doc.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace
{
constexpr int kPages = 100;
constexpr int kGroupsPerPage = 100;
constexpr int kLabelsPerGroup = 9; // with its group, 10 elements per group: 100,000 elements

int buildDocument(VDoc &doc)
{
    int elements = 0;
    for (int p = 0; p < kPages; ++p) {
        VGrfElement &root = doc.AddPage()->Root();
        for (int g = 0; g < kGroupsPerPage; ++g) {
            VGrfElement *group = AddElement(root, ElementKind::Group, QRect(10, 10 * g, 600, 10));
            group->Shape().SetFigure(3);
            group->Shape().SetBorderLine(2, VBorder{true, 0, 1, 0});
            ++elements;
            for (int l = 0; l < kLabelsPerGroup; ++l) {
                VGrfElement *label = AddElement(*group, ElementKind::Label, QRect(60 * l, 0, 60, 10));
                label->SetCaption(QStringLiteral("Value %1").arg(l));
                label->SetValueType(l % 2 ? vtVariable : vtFixed);
                if (l == 3) label->Font().SetFontWeight(700);
                ++elements;
            }
        }
    }
    return elements;
}

struct Fixture {
    QTemporaryDir dir;
    QString path = dir.filePath("big.edt");
    VDoc doc;
    int elements = buildDocument(doc);
    Fixture() { WriteDesignFile(doc, path); }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

void BM_SaveDesign(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteDesignFile(f.doc, f.path).ok);
    state.SetItemsProcessed(state.iterations() * f.elements);
    state.counters["elements"] = f.elements;
}

void BM_LoadDesign(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        VDoc doc;
        benchmark::DoNotOptimize(ReadDesignFile(doc, f.path).ok);
    }
    state.SetItemsProcessed(state.iterations() * f.elements);
    state.counters["elements"] = f.elements;
}

BENCHMARK(BM_SaveDesign)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadDesign)->Unit(benchmark::kMillisecond);
} // namespace
