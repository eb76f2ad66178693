#pragma once

// Reading and writing the program's text files: whole-file reads, line splitting, atomic
// replacement, and finding the program's own files whatever their letter case.

#include "platform/textcodec.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QFile;

namespace lexarion {

// The whole file, or nothing when it cannot be opened or read (missing, a folder, no permission).
std::optional<QByteArray> ReadFileBytes(const QString& path);

// The whole file for as long as the object lives, for large files that are only read: mapped
// into memory where the system allows it, so the bytes come straight from the file cache
// without a copy; read into memory otherwise. A mapped file must not be rewritten in place
// while mapped; the program replaces files by renaming a new one over them, which leaves the
// mapping on the old contents.
class FileContents {
public:
    FileContents();
    FileContents(FileContents&&) noexcept;
    FileContents& operator=(FileContents&&) noexcept;
    ~FileContents();

    // Nothing when the file cannot be opened or read.
    static std::optional<FileContents> Open(const QString& path);

    // Valid while this object lives.
    const QByteArray& Bytes() const { return bytes_; }

private:
    std::unique_ptr<QFile> file_;
    QByteArray bytes_;
};

// True when `path` names an existing ordinary file (following links), not a folder.
bool IsOrdinaryFile(const QString& path);

// Calls `onLine(QByteArrayView)` for every line of `bytes`. CR LF, a lone CR and a lone LF each
// end a line; a last line without an ending still counts, an empty remainder does not. Splitting
// on bytes is safe for GB18030 and UTF-8: neither uses the bytes 0x0A or 0x0D inside a character.
template <typename OnLine> void ForEachLine(QByteArrayView bytes, OnLine&& onLine) {
    const char* p = bytes.data();
    const char* end = p + bytes.size();
    while (p < end) {
        const char* q = p;
        while (q < end && *q != '\n' && *q != '\r')
            ++q;
        onLine(QByteArrayView(p, q - p));
        if (q < end && *q == '\r' && q + 1 < end && q[1] == '\n')
            q += 2;
        else if (q < end)
            ++q;
        p = q;
    }
}

// The decoded lines of a text file, with the encoding it was read in.
struct TextLines {
    QStringList lines;
    TextEncoding encoding = TextEncoding::Gb18030;
};
TextLines DecodeLines(QByteArrayView bytes);

// Each line followed by CR LF, in `encoding` (a byte-order mark first for Utf8Bom).
QByteArray EncodeLines(const QStringList& lines, TextEncoding encoding);

// Replaces the file at `path` with `bytes`: written to a new file in the same folder and flushed to
// the disk, then renamed over the old one, so an interruption, even a kill or a power cut, leaves
// the old file or the new one, never a part. The new file keeps the old one's permissions; a link
// is followed. False, with the old file as it was, when any step fails.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes);
// The name the new file has for the moment before it is renamed over `path`: "." + the file's
// name + ".saving", in the same folder. A process killed in that moment leaves it behind; the
// next save of the same file takes it over.
QString SaveTempPath(const QString& path);

// Creates an empty file unless something already exists at `path`; false when it cannot.
bool CreateEmptyFile(const QString& path);

// `base` + "/" + `relative`, where each component of `relative` that exists below `base` in
// another letter case is replaced by the spelling on disk. Components that do not exist keep
// the spelling given, so a file created afterwards gets the program's own name for it.
QString ResolveCaseInsensitive(const QString& base, const QString& relative);

// The longest name, in bytes, that the file system holding `folder` accepts for an entry of
// it; 255 when the system does not say.
qsizetype MaxFileNameLength(const QString& folder);

} // namespace lexarion

namespace lexarion {

// Replaces the file with `lines`, each followed by CR LF, in the encoding the existing file was
// read in (GB18030 for a new file), atomically.
bool RewriteTextFile(const QString& path, const QStringList& lines);
// Adds one line (and CR LF) at the end of the file, creating it; an existing last line that
// lacks its line ending gets one first, so the new line never runs into it.
bool AppendLineToTextFile(const QString& path, const QString& line);

} // namespace lexarion
