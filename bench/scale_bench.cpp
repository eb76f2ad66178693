// Timings and memory at scale: a word list of 200,000 entries loaded and stepped through in the
// word window, and a lookup dictionary of 1,000,000 lines (with a Chinese index of 200,000)
// opened and searched. The files are generated in a temporary program folder. Memory is
// reported as the growth of the resident set while the work runs (its peak, measured by
// resetting the peak before the work) and what stays resident while the result is held, beside
// the process's peak from getrusage. Runs on the offscreen platform.

#include "bench/benchdata.h"
#include "bench/wordwindowowner.h"
#include "core/appstate.h"
#include "core/settings.h"
#include "memorize/ui/rememberform.h"
#include "platform/textcodec.h"
#include "platform/textfile.h"
#include "tools/lookupfile.h"
#include "tools/wordlookup.h"
#include "wordlist/wordcompare.h"
#include "wordlist/wordlist.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <functional>
#include <malloc.h>
#include <sys/resource.h>

using namespace lexarion;
using namespace lexarion::bench;

namespace {

constexpr int WordListEntries = 200'000;
constexpr int DictionaryLines = 1'000'000;
constexpr int IndexLineCount = 200'000;

// A field of /proc/self/status in kilobytes.
qint64 StatusKilobytes(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(qstrlen(field))).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

struct MemoryUse {
    double peakGrowthMB = 0; // the largest the resident set grew while the work ran
    double heldMB = 0;       // what it had grown by when the work was done
};

// Runs `work` once and measures how the resident set grows meanwhile.
MemoryUse Measure(const std::function<void()>& work) {
    malloc_trim(0); // what earlier work freed goes back, so that growth shows as growth
    const qint64 before = StatusKilobytes("VmRSS:");
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5"); // resets the peak to the present size
    clear.close();
    work();
    return {double(StatusKilobytes("VmHWM:") - before) / 1024,
            double(StatusKilobytes("VmRSS:") - before) / 1024};
}

double ProcessPeakMB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024;
}

class Fixture {
public:
    Fixture() : app_(dir_.path()) {
        QDir().mkpath(dir_.path() + "/Dicts");
        QDir().mkpath(dir_.path() + "/users/bench");
        app_.currentUser = "bench";
        QRandomGenerator rng(20261211);
        MakeDictionary(rng);
        MakeIndex(rng);
        MakeWordList(rng);
    }

    QString Folder() const { return dir_.path(); }
    AppState& App() { return app_; }
    const QStringList& Words() const { return words_; }
    QString WordListPath() const { return dir_.path() + "/Dicts/big.wsl"; }
    double FileMB(const QString& relative) const {
        return double(QFile(dir_.path() + u'/' + relative).size()) / 1e6;
    }

private:
    void MakeDictionary(QRandomGenerator& rng) {
        words_ = SortedWords(rng, DictionaryLines, 4, 14);
        QStringList lines;
        lines.reserve(DictionaryLines);
        for (const QString& w : words_)
            lines.append(w + u"#n. "_qs + RandomChinese(rng, 2, 8) + u"；v. "_qs +
                         RandomChinese(rng, 2, 6) + u"#/ˈwɜːd/"_qs);
        Write("Dicts/All.wsl", lines);
    }

    void MakeIndex(QRandomGenerator& rng) {
        Write("Dicts/All_cn.idx", IndexLines(rng, IndexLineCount, words_, 1));
    }

    void MakeWordList(QRandomGenerator& rng) {
        QStringList lines{u";二十万词"_qs};
        for (int i = 0; i < WordListEntries; ++i)
            lines.append(words_[rng.bounded(words_.size())] + u"#adj. "_qs +
                         RandomChinese(rng, 2, 12) + u"#/ˈwɜːd/"_qs);
        Write("Dicts/big.wsl", lines);
    }

    void Write(const QString& relative, const QStringList& lines) {
        WriteFileAtomically(dir_.path() + u'/' + relative,
                            EncodeLines(lines, TextEncoding::Gb18030));
    }

    QTemporaryDir dir_;
    AppState app_;
    QStringList words_;
};

Fixture& Data() {
    static Fixture fixture;
    return fixture;
}

void BM_LoadWordList200k(benchmark::State& state) {
    Fixture& data = Data();
    WordList list;
    const MemoryUse use = Measure([&] {
        qint32 index = 0;
        LoadWordList(data.WordListPath(), list, index);
    });
    for (auto _ : state) {
        WordList other;
        qint32 index = 0;
        benchmark::DoNotOptimize(LoadWordList(data.WordListPath(), other, index));
        benchmark::DoNotOptimize(other.Count());
    }
    state.counters["entries"] = list.Count();
    state.counters["file_MB"] = data.FileMB("Dicts/big.wsl");
    state.counters["peak_growth_MB"] = use.peakGrowthMB;
    state.counters["held_MB"] = use.heldMB;
    state.counters["process_peak_MB"] = ProcessPeakMB();
}
BENCHMARK(BM_LoadWordList200k)->Unit(benchmark::kMillisecond);

// One step of the full-screen word window through the whole list of 200,000 (no groups), at
// random: the settings reads, the draw of the next position and the layout of its labels.
void BM_PlayNextStep200k(benchmark::State& state) {
    Fixture& data = Data();
    AppState& app = data.App();
    LoadWordList(app, data.WordListPath());
    WriteSetting(app, setting::ShowAsGroup, QStringLiteral("0"));
    WriteSetting(app, setting::Direction, QStringLiteral("2"));
    WriteSetting(app, setting::EnableSpeak, QStringLiteral("0"));
    bench::WordWindowOwner owner;
    RememberForm form(app, owner);
    form.resize(1920, 1080);
    form.show();
    QApplication::processEvents();
    for (auto _ : state) {
        form.NextWord();
        benchmark::DoNotOptimize(form.Layout().word);
    }
    form.Playback().Timer2().stop();
    state.counters["entries"] = app.wordList.Count();
    state.counters["last_position"] = app.currentWordIndex;
}
BENCHMARK(BM_PlayNextStep200k)->Unit(benchmark::kMicrosecond);

void BM_OpenLookup1M(benchmark::State& state) {
    Fixture& data = Data();
    WordLookup lookup;
    const MemoryUse use = Measure([&] { lookup.Load(data.Folder()); });
    for (auto _ : state) {
        WordLookup other;
        benchmark::DoNotOptimize(other.Load(data.Folder()));
    }
    state.counters["dictionary_lines"] = lookup.Dictionary().Count();
    state.counters["index_lines"] = lookup.ChineseIndex().Count();
    state.counters["files_MB"] = data.FileMB("Dicts/All.wsl") + data.FileMB("Dicts/All_cn.idx");
    state.counters["peak_growth_MB"] = use.peakGrowthMB;
    state.counters["held_MB"] = use.heldMB;
    state.counters["process_peak_MB"] = ProcessPeakMB();
}
BENCHMARK(BM_OpenLookup1M)->Unit(benchmark::kMillisecond);

// A keystroke in the lookup window over the dictionary of 1,000,000 lines: the prefix typed so
// far, searched, with the list of neighbouring entries.
void BM_LookupKeystroke1M(benchmark::State& state) {
    Fixture& data = Data();
    WordLookup lookup;
    lookup.Load(data.Folder());
    const QStringList& words = data.Words();
    qsizetype i = 0;
    for (auto _ : state) {
        const QString& word = words[(i * 7919) % words.size()];
        lookup.KeywordChanged(word.left(1 + i % word.size()));
        benchmark::DoNotOptimize(lookup.ListItems().size());
        ++i;
    }
}
BENCHMARK(BM_LookupKeystroke1M)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
