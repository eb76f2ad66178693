// tipfiles: installs the tip files into the program folder's Tips/ in the code page. Run by the
// build; see assets/CMakeLists.txt.

#include "dictbuild/tipfiles.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: tipfiles TIPS_FOLDER TIP_SOURCE...\n");
        return 2;
    }
    const QString folder = args[1];
    QString error;
    if (!lexarion::dictbuild::InstallTipFiles(args.mid(2), folder, &error)) {
        std::fprintf(stderr, "tipfiles: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
