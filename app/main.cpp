// Lexarion's windows (login, splash, console, tray) are not built yet; until they are, the
// program says so instead of pretending to start.

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << "Lexarion: the program folder is ready at "
                        << QCoreApplication::applicationDirPath()
                        << ".\nThe program's windows are not there yet; this build holds the "
                           "file formats, the settings store and the word-list logic.\n";
    return 0;
}
