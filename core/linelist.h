#pragma once

// An ordered list of text lines addressed by a 1-based position, the shape of the loaded word
// list and of the reminder list. Positions outside 1..Count() are refused, never undefined.

#include <QString>
#include <QStringList>

namespace lexarion {

class LineList {
public:
    qint32 Count() const { return qint32(lines_.size()); }
    bool IsEmpty() const { return lines_.isEmpty(); }
    bool IsValidPosition(qint64 position) const { return position >= 1 && position <= Count(); }

    // The line at `position`; an empty text for a position outside the list.
    QString Item(qint64 position) const {
        return IsValidPosition(position) ? lines_.at(qsizetype(position - 1)) : QString();
    }
    void Append(const QString& line) { lines_.append(line); }
    // Later lines move up by one. False (and nothing removed) outside the list.
    bool RemoveAt(qint64 position) {
        if (!IsValidPosition(position))
            return false;
        lines_.removeAt(qsizetype(position - 1));
        return true;
    }
    // Inserts `line` so that it follows the line at `position`. False outside the list.
    bool InsertAfter(qint64 position, const QString& line) {
        if (!IsValidPosition(position))
            return false;
        lines_.insert(qsizetype(position), line);
        return true;
    }
    void RemoveAll() { lines_.clear(); }

    const QStringList& Lines() const { return lines_; }
    void Reserve(qsizetype n) { lines_.reserve(n); }

private:
    QStringList lines_;
};

} // namespace lexarion
