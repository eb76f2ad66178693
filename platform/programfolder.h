#pragma once

// The program folder: the folder the program was started from. Started through a link to the
// executable that lies in another folder, that folder is the program folder, so a user's own
// folder of links over a shared, read-only installation keeps all the user's state. A bare
// command name found through the search path gives the executable's own folder.

#include <QString>

namespace lexarion {

// `invokedAs` is the path the program was started by (its first argument); `executableFolder`
// the folder of the executable file itself.
QString ProgramFolderFor(const QString& invokedAs, const QString& executableFolder);

} // namespace lexarion
