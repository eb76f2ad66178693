#include "wordlist/wordentry.h"

#include <optional>

namespace lexarion {

namespace {

// Piece `index` (0-based) of `line` split at "#", if the line has at least `minPieces` pieces.
std::optional<QStringView> Piece(QStringView line, int index, int minPieces) {
    qsizetype start = 0;
    int piece = 0;
    QStringView found;
    bool haveFound = false;
    for (;;) {
        const qsizetype hash = line.indexOf(u'#', start);
        const qsizetype end = hash < 0 ? line.size() : hash;
        if (piece == index) {
            found = line.sliced(start, end - start);
            haveFound = true;
        }
        ++piece;
        if (hash < 0 || (haveFound && piece >= minPieces))
            break;
        start = hash + 1;
    }
    if (piece < minPieces || !haveFound)
        return std::nullopt;
    return TrimSpaces(found);
}

QString PieceOr(QStringView line, int index, int minPieces, const QString& defaultValue) {
    const std::optional<QStringView> piece = Piece(line, index, minPieces);
    return piece ? piece->toString() : defaultValue;
}

} // namespace

QStringView TrimSpaces(QStringView text) {
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && text[b] == u' ')
        ++b;
    while (e > b && text[e - 1] == u' ')
        --e;
    return text.sliced(b, e - b);
}

QString EntryWord(QStringView line, const QString& defaultValue) {
    return PieceOr(line, 0, 2, defaultValue);
}

QString EntryExplanation(QStringView line, const QString& defaultValue) {
    return PieceOr(line, 1, 2, defaultValue);
}

QString EntryPronounce(QStringView line, const QString& defaultValue) {
    return PieceOr(line, 2, 3, defaultValue);
}

} // namespace lexarion
