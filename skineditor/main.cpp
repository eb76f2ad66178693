// Hueforge: edits the parameter file of a skin; one window, closed to end the program.

#include "platform/programfolder.h"
#include "platform/qttranslation.h"
#include "skineditor/ui/commondialogs.h"
#include "skineditor/ui/skinform.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
    using namespace lexarion;
    QApplication application(argc, argv);
    InstallQtChineseTranslation();
    // Installed beside Lexarion: its skins are the first place to look.
    const QDir programFolder(
        ProgramFolderFor(QString::fromLocal8Bit(argv[0]), QCoreApplication::applicationDirPath()));
    const QString skins = programFolder.filePath(QStringLiteral("Skins"));
    CommonDialogs dialogs(QDir(skins).exists() ? skins : programFolder.path());
    SkinForm form(dialogs);
    dialogs.SetParent(&form);
    form.show();
    return application.exec();
}
