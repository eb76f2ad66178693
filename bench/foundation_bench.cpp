// Timings of the file formats at the sizes the program meets: a lookup dictionary of 400,000
// entries (about 20 MB) with a Chinese index of 400,000 lines (about 16 MB), a 4,000-entry word
// list, and a settings file of 60 keys. The files are generated in a temporary program folder.

#include "bench/benchdata.h"
#include "core/appstate.h"
#include "core/settings.h"
#include "platform/textcodec.h"
#include "platform/textfile.h"
#include "tools/lookupfile.h"
#include "tools/wordlookup.h"
#include "wordlist/wordcompare.h"
#include "wordlist/wordlist.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>

using namespace lexarion;
using namespace lexarion::bench;

namespace {

constexpr int DictionaryEntries = 400'000;
constexpr int IndexLineCount = 400'000;

QString RandomPhonetic(QRandomGenerator& rng) {
    static const QString symbols = QString::fromUtf8("əæɪʊʌɒɔːˈˌθðʃʒŋeiaoukstnmlrdbpg");
    const int n = int(rng.bounded(4, 12));
    QString s = u"/"_qs;
    for (int i = 0; i < n; ++i)
        s += symbols[rng.bounded(symbols.size())];
    return s + u'/';
}

class Fixture {
public:
    Fixture() : app_(dir_.path()) {
        QDir().mkpath(dir_.path() + "/Dicts");
        QDir().mkpath(dir_.path() + "/users/bench");
        app_.currentUser = "bench";
        QRandomGenerator rng(20261210);
        MakeDictionary(rng);
        MakeIndex(rng);
        MakeWordList(rng);
        MakeSettings();
    }

    QString Folder() const { return dir_.path(); }
    AppState& App() { return app_; }
    const QStringList& Words() const { return words_; }
    const QStringList& ChineseTerms() const { return terms_; }
    QString WordListPath() const { return dir_.path() + "/Dicts/bench.wsl"; }

private:
    void MakeDictionary(QRandomGenerator& rng) {
        const QStringList words = SortedWords(rng, DictionaryEntries, 3, 12);
        QStringList lines{u";基准测试词典"_qs};
        for (const QString& w : words) {
            lines.append(w + u"#n. "_qs + RandomChinese(rng, 2, 8) + u"；v. "_qs +
                         RandomChinese(rng, 2, 8) + u'#' + RandomPhonetic(rng));
        }
        words_ = words;
        Write("Dicts/All.wsl", lines);
    }

    void MakeIndex(QRandomGenerator& rng) {
        Write("Dicts/All_cn.idx", IndexLines(rng, IndexLineCount, words_, 7, &terms_));
    }

    void MakeWordList(QRandomGenerator& rng) {
        QStringList lines{u";大学英语四级"_qs};
        for (int i = 0; i < 4000; ++i)
            lines.append(words_[rng.bounded(words_.size())] + u"#adj. "_qs +
                         RandomChinese(rng, 2, 10) + u'#' + RandomPhonetic(rng));
        Write("Dicts/bench.wsl", lines);
    }

    void MakeSettings() {
        QStringList lines{u"[General]"_qs};
        for (int i = 0; i < 30; ++i)
            lines.append(QString("Key%1=%2").arg(i).arg(i * 37));
        lines.append(u"[RememberSetting]"_qs);
        for (int i = 30; i < 60; ++i)
            lines.append(QString("Key%1=%2").arg(i).arg(i * 37));
        Write("users/bench/config.ini", lines);
    }

    void Write(const QString& relative, const QStringList& lines) {
        WriteFileAtomically(dir_.path() + u'/' + relative,
                            EncodeLines(lines, TextEncoding::Gb18030));
    }

    QTemporaryDir dir_;
    AppState app_;
    QStringList words_;
    QStringList terms_;
};

Fixture& Data() {
    static Fixture fixture;
    return fixture;
}

void BM_LoadLookupFiles(benchmark::State& state) {
    Fixture& data = Data();
    for (auto _ : state) {
        WordLookup lookup;
        benchmark::DoNotOptimize(lookup.Load(data.Folder()));
        benchmark::DoNotOptimize(lookup.Dictionary().Count());
    }
    WordLookup lookup;
    lookup.Load(data.Folder());
    state.counters["dictionary_lines"] = lookup.Dictionary().Count();
    state.counters["index_lines"] = lookup.ChineseIndex().Count();
    state.counters["dictionary_MB"] = QFile(data.Folder() + "/Dicts/All.wsl").size() / 1e6;
    state.counters["index_MB"] = QFile(data.Folder() + "/Dicts/All_cn.idx").size() / 1e6;
}
BENCHMARK(BM_LoadLookupFiles)->Unit(benchmark::kMillisecond);

void BM_EnglishKeystroke(benchmark::State& state) {
    Fixture& data = Data();
    WordLookup lookup;
    lookup.Load(data.Folder());
    const QStringList& words = data.Words();
    qsizetype i = 0;
    for (auto _ : state) {
        // A keystroke: the prefix typed so far, searched with the neighbourhood list.
        const QString& word = words[(i * 7919) % words.size()];
        lookup.KeywordChanged(word.left(1 + i % word.size()));
        benchmark::DoNotOptimize(lookup.ListItems().size());
        ++i;
    }
}
BENCHMARK(BM_EnglishKeystroke)->Unit(benchmark::kMicrosecond);

void BM_ChineseSearch(benchmark::State& state) {
    Fixture& data = Data();
    WordLookup lookup;
    lookup.Load(data.Folder());
    const QStringList& terms = data.ChineseTerms();
    qsizetype i = 0;
    for (auto _ : state) {
        lookup.KeywordChanged(terms[i++ % terms.size()]);
        benchmark::DoNotOptimize(lookup.ListItems().size());
    }
}
BENCHMARK(BM_ChineseSearch)->Unit(benchmark::kMicrosecond);

void BM_LoadWordList4000(benchmark::State& state) {
    Fixture& data = Data();
    for (auto _ : state) {
        WordList list;
        qint32 index = 0;
        benchmark::DoNotOptimize(LoadWordList(data.WordListPath(), list, index));
        benchmark::DoNotOptimize(list.Count());
    }
}
BENCHMARK(BM_LoadWordList4000)->Unit(benchmark::kMillisecond);

void BM_ReadSetting60Keys(benchmark::State& state) {
    Fixture& data = Data();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadSetting(data.App(), "RememberSetting", "Key45", "0"));
}
BENCHMARK(BM_ReadSetting60Keys)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
