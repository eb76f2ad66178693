#pragma once

// The system's "ANSI code page" on this platform: GB18030 (a superset of GBK), decoded and
// encoded through iconv. Files made on Linux are usually UTF-8, so reading recognises them and
// a rewrite keeps the encoding a file was read in.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace lexarion {

enum class TextEncoding {
    Gb18030, // the code page; also the choice for new files and for pure ASCII
    Utf8,    // valid UTF-8 with at least one non-ASCII character
    Utf8Bom, // UTF-8 that starts with a byte-order mark
};

// Decides how a whole file's bytes are to be read. Pure ASCII counts as the code page, so a
// file that holds only ASCII today is still written in GB18030 when Chinese text is added.
TextEncoding DetectEncoding(QByteArrayView bytes);

// True when `bytes` is well-formed UTF-8 (overlongs, surrogates and values past U+10FFFF fail).
bool IsValidUtf8(QByteArrayView bytes);
bool IsAscii(QByteArrayView bytes);

// GB18030 bytes to text. Invalid or truncated sequences become U+FFFD, one per bad byte, and
// decoding goes on after them, so a damaged character never swallows the rest of a line.
QString DecodeAnsi(QByteArrayView bytes);
// Text to GB18030 bytes. Every Unicode character has a GB18030 form; a lone surrogate becomes "?".
QByteArray EncodeAnsi(QStringView text);

// Decode / encode in a given encoding. Decode strips a leading byte-order mark for Utf8Bom;
// Encode never writes one (the file writer adds it at the start of a file).
QString DecodeText(QByteArrayView bytes, TextEncoding encoding);
QByteArray EncodeText(QStringView text, TextEncoding encoding);

// Number of GB18030 bytes that `text` takes.
qsizetype AnsiByteLength(QStringView text);
// The longest prefix of `text` whose GB18030 form has at most `maxBytes` bytes, never cutting
// a character (or a surrogate pair) in two.
QString TruncateToAnsiBytes(QStringView text, qsizetype maxBytes);

} // namespace lexarion
