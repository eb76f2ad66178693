#pragma once

// The lookup dictionary Dicts/All.wsl and its Chinese index Dicts/All_cn.idx, held compactly:
// the file's raw bytes and the offsets of its kept lines (a line is kept when it does not start
// with ";" and holds a "#"), decoding only the lines that are shown. Both files are sorted by
// the word before the first "#" under CompareWords; the program never sorts them.

#include "platform/textcodec.h"
#include "platform/textfile.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace lexarion {

class LookupFile {
public:
    qint32 Count() const { return qint32(starts_.size()); }
    bool IsEmpty() const { return starts_.empty(); }

    // The kept line at a 0-based position, decoded; empty outside the list.
    QString Line(qint32 index) const;
    // The raw bytes of the kept line at a 0-based position.
    QByteArrayView RawLine(qint32 index) const;
    // The line's word (the text before the first "#", trimmed of spaces), decoded.
    QString Word(qint32 index) const;
    // CompareWords(key, word at `index`), with a fast path for ASCII keys and words.
    int CompareKeyWithWord(const QString& key, const QByteArray& encodedKey, qint32 index) const;
    // `text` in this file's encoding, for CompareKeyWithWord.
    QByteArray EncodeKey(const QString& text) const;

    void Clear();

    friend bool LoadLookupFile(const QString& path, LookupFile& target);

private:
    FileContents file_;
    std::vector<quint32> starts_;
    std::vector<quint32> lengths_;
    TextEncoding encoding_ = TextEncoding::Gb18030;
};

// Empties `target`, then loads the kept lines of the file. A missing file is created empty and
// reported as failure; an unreadable file (or one of 4 GiB or more) is a failure.
bool LoadLookupFile(const QString& path, LookupFile& target);

// The Chinese index key of `text`: for each character, its code page code as a signed 16-bit
// value c (a double-byte character is lead × 256 + trail, negative from 0x8000; a single byte is
// 0 to 127), written as the rightmost five digits of "00000" + (c + 16777215). A character that
// GB18030 writes in four bytes is encoded as two groups, one for each pair of bytes, as if the
// pairs were two double-byte characters; this keeps every key a sequence of five-digit groups.
QString EncodeChineseKey(QStringView text);

// True when every character is ASCII (0 to 127); the empty text is ASCII.
bool IsAsciiText(QStringView text);

// Binary search for `key` among the words of positions `first`..`last` (0-based, inclusive).
// Returns the position of an equal word, else -1 when `exact`, else the nearest position the
// search ended at (never -1 on a non-empty valid range); a key beyond the last word gives the
// second-to-last position. Every entry of the range can be found, the first one included. A
// range of one entry returns that entry when it matches; when it does not, -1 if `exact`, else
// that entry's position.
qint32 FindString(const LookupFile& list, qint32 first, qint32 last, const QString& key,
                  bool exact);

} // namespace lexarion
