// Timings of the lookup over the dictionary the build ships: loading Dicts/All.wsl and
// Dicts/All_cn.idx from the build's program folder with the program's own loader, and searching
// them. Nothing runs when the build has not converted the dictionary.

#include "tools/wordlookup.h"

#include <QFile>
#include <QStringList>
#include <benchmark/benchmark.h>

using namespace lexarion;

namespace {

const QString ProgramFolder = QStringLiteral(LEXARION_PROGRAM_FOLDER);

bool Shipped(benchmark::State& state) {
    if (QFile::exists(ProgramFolder + "/Dicts/All.wsl") &&
        QFile::exists(ProgramFolder + "/Dicts/All_cn.idx"))
        return true;
    state.SkipWithError("no converted dictionary in the build's program folder");
    return false;
}

void BM_LoadShippedLookupFiles(benchmark::State& state) {
    if (!Shipped(state))
        return;
    for (auto _ : state) {
        WordLookup lookup;
        benchmark::DoNotOptimize(lookup.Load(ProgramFolder));
        benchmark::DoNotOptimize(lookup.Dictionary().Count());
    }
    WordLookup lookup;
    lookup.Load(ProgramFolder);
    state.counters["dictionary_lines"] = lookup.Dictionary().Count();
    state.counters["index_lines"] = lookup.ChineseIndex().Count();
    state.counters["dictionary_MB"] = QFile(ProgramFolder + "/Dicts/All.wsl").size() / 1e6;
    state.counters["index_MB"] = QFile(ProgramFolder + "/Dicts/All_cn.idx").size() / 1e6;
}
BENCHMARK(BM_LoadShippedLookupFiles)->Unit(benchmark::kMillisecond);

// One keyword after another, as typed: English prefixes, then Chinese terms.
void BM_ShippedKeystrokes(benchmark::State& state) {
    if (!Shipped(state))
        return;
    WordLookup lookup;
    lookup.Load(ProgramFolder);
    const QStringList keys = {"a",        "ab",       "aba",      "aban",     "abandon",
                              "c",        "co",       "com",      "computer", u"放"_qs,
                              u"放弃"_qs, u"苹果"_qs, u"电脑"_qs, u"学习"_qs};
    qsizetype i = 0;
    for (auto _ : state) {
        lookup.KeywordChanged(keys[i++ % keys.size()]);
        benchmark::DoNotOptimize(lookup.ListItems().size());
    }
}
BENCHMARK(BM_ShippedKeystrokes)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
