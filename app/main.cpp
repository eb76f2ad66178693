// Lexarion: starts with the login window; everything else follows from there.

#include "app/ui/fontsetup.h"
#include "app/ui/shell.h"
#include "core/appstate.h"
#include "core/settings.h"
#include "platform/applicationfontregistrar.h"
#include "platform/desktopurlopener.h"
#include "platform/programfolder.h"
#include "platform/qttranslation.h"
#include "platform/synthesizedspeech.h"
#include "platform/systemtrayicon.h"
#include "platform/terminationsignals.h"
#include "platform/voicelineup.h"
#include "platform/xcbhotkeys.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    using namespace lexarion;
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    InstallQtChineseTranslation();
    AppState app(
        ProgramFolderFor(QString::fromLocal8Bit(argv[0]), QCoreApplication::applicationDirPath()));
    SetUpFontSubstitutes();
    QApplication::setWindowIcon(
        QIcon(ProgramFilePath(app, QStringLiteral("Pictures/Lexarion.png"))));

    DesktopUrlOpener opener;
    ApplicationFontRegistrar registrar;
    Shell shell(app, {[] { return std::make_unique<SystemTrayIcon>(); },
                      [] { return std::make_unique<SynthesizedSpeech>(InstalledVoices()); },
                      &opener, &registrar, UserFontFolder(), &CreateSystemHotKeys});
    QObject::connect(&shell, &Shell::Finished, &application, &QCoreApplication::exit,
                     Qt::QueuedConnection);
    // The end of the session and kills run the same shutdown as closing the console.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::Received, &shell, &Shell::Terminate);
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &shell, &Shell::Terminate,
                     Qt::DirectConnection);
    shell.Start();
    return application.exec();
}
