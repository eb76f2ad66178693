// Timing of the whole dictionary conversion the build runs: ECDICT's CSV in, the files of Dicts/
// out and checked, with the sizes of the lookup dictionary and its Chinese index as counters.
// Nothing runs when the build has not fetched the source.

#include "dictbuild/converter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace lexarion::dictbuild;

namespace {

const QString SourceFolder = QStringLiteral(LEXARION_ECDICT_DIR);

void BM_ConvertEcdict(benchmark::State& state) {
    ConversionOptions options;
    options.csvPath = SourceFolder + "/ecdict.csv";
    options.licencePath = SourceFolder + "/LICENSE";
    if (!QFile::exists(options.csvPath)) {
        state.SkipWithError("no dictionary source in the build folder");
        return;
    }
    QTemporaryDir out;
    options.outputFolder = out.filePath("Dicts");
    ConversionReport report;
    for (auto _ : state) {
        QString error;
        if (!ConvertEcdict(options, &report, &error)) {
            state.SkipWithError(qPrintable(error));
            return;
        }
    }
    for (const WrittenFile& f : report.files) {
        if (f.name == "All.wsl" || f.name == "All_cn.idx") {
            const std::string name = f.name.section('.', 0, 0).toStdString();
            state.counters[name + "_lines"] = double(f.entries);
            state.counters[name + "_MB"] = double(f.bytes) / 1e6;
        }
    }
}
BENCHMARK(BM_ConvertEcdict)->Unit(benchmark::kSecond)->Iterations(1)->MeasureProcessCPUTime();

} // namespace
BENCHMARK_MAIN();
