// The lookup window over the dictionary the build ships, on the offscreen platform: from the
// command to a window ready for typing, from a keystroke (or an input method's commit) to the
// list and the fields painted again, and the resident memory before opening, while open and
// after closing. Nothing runs when the build has not converted the dictionary.

#include "app/ui/fontsetup.h"
#include "core/appstate.h"
#include "skin/ui/listboxxp.h"
#include "skin/ui/textboxxp.h"
#include "skin/ui/windowhooks.h"
#include "tools/ui/findwordform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <unistd.h>

using namespace lexarion;

namespace {

const QString ShippedFolder = QStringLiteral(LEXARION_PROGRAM_FOLDER);

// A program folder of its own that links to the shipped lookup files and skins, so that the
// runs leave the build's folder as it is.
struct BenchFolder {
    QTemporaryDir dir;
    bool ready = false;
    BenchFolder() {
        const QString dicts = ShippedFolder + QStringLiteral("/Dicts/");
        if (!QFile::exists(dicts + "All.wsl") || !QFile::exists(dicts + "All_cn.idx"))
            return;
        QDir(dir.path()).mkpath(QStringLiteral("Dicts"));
        QDir(dir.path()).mkpath(QStringLiteral("users/Bench"));
        for (const char* file : {"All.wsl", "All_cn.idx"})
            QFile::link(dicts + QLatin1String(file),
                        dir.path() + QStringLiteral("/Dicts/") + QLatin1String(file));
        QFile::link(ShippedFolder + QStringLiteral("/Skins"),
                    dir.path() + QStringLiteral("/Skins"));
        ready = true;
    }
};

BenchFolder& Folder() {
    static BenchFolder folder;
    return folder;
}

AppState& App() {
    static AppState app = [] {
        AppState made(Folder().dir.path());
        made.currentUser = QStringLiteral("Bench");
        return made;
    }();
    return app;
}

WindowHooks& Hooks() {
    static WindowHooks hooks;
    return hooks;
}

bool Shipped(benchmark::State& state) {
    if (Folder().ready)
        return true;
    state.SkipWithError("no converted dictionary in the build's program folder");
    return false;
}

double ResidentMB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / 1e6 : 0;
}

// Counts the paint events of a widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// What the shell does for console button 2: a new window, loaded and shown; returns once it
// has been painted with its keyword box taking the keys.
FindWordForm* OpenWindow() {
    auto* form = new FindWordForm(App(), &Hooks());
    if (!form->Load())
        return nullptr;
    PaintCounter painted(form->KeyWordText()->ControlXP());
    form->show();
    form->activateWindow();
    QElapsedTimer waited;
    waited.start();
    while ((painted.count == 0 || !form->KeyWordText()->ControlXP()->hasFocus()) &&
           waited.elapsed() < 5000)
        QApplication::processEvents();
    return form;
}

void CloseWindow(FindWordForm* form) {
    QPointer<FindWordForm> closing = form;
    form->close();
    while (closing)
        QApplication::processEvents();
}

// Runs first, while the process has loaded nothing of the lookup yet. Two openings: the first
// also pays for what Qt and the skin keep once loaded (fonts, pictures); the second shows that
// closing gives back what the window took.
void BM_LookupWindowMemory(benchmark::State& state) {
    if (!Shipped(state))
        return;
    for (auto _ : state) {
        state.counters["rss_before_MB"] = ResidentMB();
        for (const char* opening : {"first", "second"}) {
            FindWordForm* form = OpenWindow();
            QTest::keyClicks(form->KeyWordText()->ControlXP(), "abandon");
            state.counters[std::string("rss_open_") + opening + "_MB"] = ResidentMB();
            CloseWindow(form);
            state.counters[std::string("rss_closed_") + opening + "_MB"] = ResidentMB();
        }
    }
}
BENCHMARK(BM_LookupWindowMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_OpenLookupWindow(benchmark::State& state) {
    if (!Shipped(state))
        return;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        FindWordForm* form = OpenWindow();
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        CloseWindow(form);
    }
}
BENCHMARK(BM_OpenLookupWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

// One key after another, as typed: words built up letter by letter and taken back.
void BM_LookupKeystrokeToRepaint(benchmark::State& state) {
    if (!Shipped(state))
        return;
    FindWordForm* form = OpenWindow();
    QLineEdit* edit = form->KeyWordText()->ControlXP();
    PaintCounter listPainted(form->ListBoxXP1());
    QList<int> keys;
    for (const char* word : {"computer", "abandon", "zebra", "lexicon"}) {
        for (const char* c = word; *c; ++c)
            keys << *c;
        for (const char* c = word; *c; ++c)
            keys << Qt::Key_Backspace;
    }
    qsizetype i = 0;
    for (auto _ : state) {
        const int key = keys[i++ % keys.size()];
        QElapsedTimer timer;
        timer.start();
        if (key == Qt::Key_Backspace)
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClick(edit, char(key));
        QApplication::processEvents();
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
    }
    state.counters["list_paints_per_key"] =
        benchmark::Counter(listPainted.count, benchmark::Counter::kAvgIterations);
    CloseWindow(form);
}
BENCHMARK(BM_LookupKeystrokeToRepaint)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Chinese from an input method: each commit searches the index; the box is emptied between.
void BM_LookupChineseCommitToRepaint(benchmark::State& state) {
    if (!Shipped(state))
        return;
    FindWordForm* form = OpenWindow();
    QLineEdit* edit = form->KeyWordText()->ControlXP();
    const QStringList terms = {u"放弃"_qs, u"学习"_qs, u"苹果"_qs, u"电脑"_qs, u"快"_qs};
    qsizetype i = 0;
    for (auto _ : state) {
        QInputMethodEvent commit;
        commit.setCommitString(terms[i++ % terms.size()]);
        QElapsedTimer timer;
        timer.start();
        QCoreApplication::sendEvent(edit, &commit);
        QApplication::processEvents();
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        state.PauseTiming();
        edit->clear();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["list_items"] = form->ListBoxXP1()->ListCount();
    CloseWindow(form);
}
BENCHMARK(BM_LookupChineseCommitToRepaint)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    SetUpFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
