#pragma once

// The tip files of the program folder's Tips/: written in UTF-8 below assets/tips/ so they stay
// easy to edit, installed in the code page with CR LF line ends, the form the tip window reads.

#include <QString>
#include <QStringList>

namespace lexarion::dictbuild {

// The tip window shows about this many lines without scrolling.
inline constexpr int MaxTipLines = 15;

// Writes every source file into `folder` under its own file name and removes any other file
// there, so the folder holds exactly the tips (the tip window shows every file it finds). False,
// with `error` set, when a source cannot be read, is not UTF-8, is empty or has more than
// MaxTipLines lines, or a file cannot be written.
bool InstallTipFiles(const QStringList& sources, const QString& folder, QString* error);

} // namespace lexarion::dictbuild
