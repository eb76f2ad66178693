#pragma once

// A reader of comma-separated values as the dictionary source writes them (RFC 4180): fields
// separated by ",", records ended by LF or CR LF, a field in double quotes may hold commas, line
// breaks and doubled quotes (""), which stand for one quote.

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

namespace lexarion::dictbuild {

class CsvReader {
public:
    // Reads `data`, which must outlive the reader; a UTF-8 byte-order mark at the start is skipped.
    explicit CsvReader(QByteArrayView data);

    // The next record's fields, or false at the end of the data. Empty lines are skipped. The
    // views point into the data, or into the reader's own storage for a field with doubled
    // quotes, and stay valid until the next call.
    bool Next(std::vector<QByteArrayView>& fields);

    // The 1-based line of the data on which the record returned last began.
    qint64 RecordLine() const { return recordLine_; }

private:
    QByteArrayView ReadField(bool& endOfRecord);

    QByteArrayView data_;
    qsizetype pos_ = 0;
    qint64 line_ = 1;
    qint64 recordLine_ = 0;
    std::vector<QByteArray> unescaped_;
};

} // namespace lexarion::dictbuild
