// dictbuild: converts ECDICT's ecdict.csv into the program folder's Dicts/ (All.wsl, All_cn.idx,
// the study lists and the licence notice). Run by the build; see dictbuild/CMakeLists.txt.

#include "dictbuild/converter.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: dictbuild --csv ecdict.csv --out DICTS_FOLDER --licence LICENSE\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    lexarion::dictbuild::ConversionOptions options;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (i + 1 >= args.size())
            return Usage();
        if (a == QLatin1String("--csv"))
            options.csvPath = args[++i];
        else if (a == QLatin1String("--out"))
            options.outputFolder = args[++i];
        else if (a == QLatin1String("--licence") || a == QLatin1String("--license"))
            options.licencePath = args[++i];
        else
            return Usage();
    }
    if (options.csvPath.isEmpty() || options.outputFolder.isEmpty() ||
        options.licencePath.isEmpty())
        return Usage();

    lexarion::dictbuild::ConversionReport report;
    QString error;
    if (!lexarion::dictbuild::ConvertEcdict(options, &report, &error)) {
        std::fprintf(stderr, "dictbuild: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("dictbuild: %lld source rows converted in %.1f s into %s\n",
                static_cast<long long>(report.sourceRows), report.milliseconds / 1000.0,
                qPrintable(options.outputFolder));
    for (const auto& f : report.files) {
        std::printf("  %-20s %9lld entries %11lld bytes\n", qPrintable(f.name),
                    static_cast<long long>(f.entries), static_cast<long long>(f.bytes));
    }
    return 0;
}
