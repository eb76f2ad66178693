#pragma once

// One whole conversion: ECDICT's CSV in, the files of the program folder's Dicts/ out, each
// checked afterwards with the program's own loader.

#include <QString>
#include <vector>

namespace lexarion::dictbuild {

struct ConversionOptions {
    QString csvPath;      // ecdict.csv
    QString licencePath;  // the package's LICENSE, copied into the licence notice
    QString outputFolder; // the program folder's Dicts/
};

struct WrittenFile {
    QString name;
    qint64 entries = 0; // kept lines as the program's loader counts them
    qint64 bytes = 0;
};

struct ConversionReport {
    qint64 sourceRows = 0;
    std::vector<WrittenFile> files;
    qint64 milliseconds = 0;
};

// The licence notice's file name beside the word lists.
inline constexpr char LicenceFileName[] = "ECDICT-LICENSE.txt";

// Converts and writes every file. False, with `error` set, when the source or its licence cannot
// be read or a written file fails its check (order, entry count, field separators); the files
// written by a failed run are removed, so that the build runs the conversion again.
bool ConvertEcdict(const ConversionOptions& options, ConversionReport* report, QString* error);

// Checks a written lookup file with LoadLookupFile: `expectedEntries` kept lines, each with
// between `minHashes` and `maxHashes` "#" and, when `sorted`, words strictly ascending under
// CompareWords (so no two lines have equal words); the whole file holds no control byte other
// than CR LF line ends.
bool CheckLookupFile(const QString& path, qint64 expectedEntries, int minHashes, int maxHashes,
                     bool sorted, QString* error);

} // namespace lexarion::dictbuild
