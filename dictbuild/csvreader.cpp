#include "dictbuild/csvreader.h"

#include <cstring>

namespace lexarion::dictbuild {

CsvReader::CsvReader(QByteArrayView data) : data_(data) {
    if (data_.size() >= 3 && data_.first(3) == QByteArrayView("\xEF\xBB\xBF"))
        pos_ = 3;
}

bool CsvReader::Next(std::vector<QByteArrayView>& fields) {
    fields.clear();
    unescaped_.clear();
    // Skip empty lines between records.
    while (pos_ < data_.size() && (data_[pos_] == '\n' || data_[pos_] == '\r')) {
        if (data_[pos_] == '\n')
            ++line_;
        ++pos_;
    }
    if (pos_ >= data_.size())
        return false;
    recordLine_ = line_;
    bool endOfRecord = false;
    while (!endOfRecord)
        fields.push_back(ReadField(endOfRecord));
    return true;
}

QByteArrayView CsvReader::ReadField(bool& endOfRecord) {
    const char* base = data_.data();
    const qsizetype size = data_.size();
    auto finish = [&](qsizetype at) {
        // `at` is just after the field: a comma, a line end or the end of the data.
        if (at >= size) {
            pos_ = size;
            endOfRecord = true;
        } else if (base[at] == ',') {
            pos_ = at + 1;
        } else {
            endOfRecord = true;
            if (base[at] == '\r' && at + 1 < size && base[at + 1] == '\n')
                ++at;
            if (base[at] == '\n')
                ++line_;
            pos_ = at + 1;
        }
    };

    if (pos_ >= size || base[pos_] != '"') {
        const qsizetype start = pos_;
        qsizetype at = start;
        while (at < size && base[at] != ',' && base[at] != '\n' && base[at] != '\r')
            ++at;
        finish(at);
        return QByteArrayView(base + start, at - start);
    }

    // A quoted field: find the closing quote, noting whether any quote was doubled.
    const qsizetype start = pos_ + 1;
    qsizetype at = start;
    bool doubled = false;
    for (;;) {
        const void* q = std::memchr(base + at, '"', size_t(size - at));
        const qsizetype quote = q ? static_cast<const char*>(q) - base : size;
        for (qsizetype k = at; k < quote; ++k) {
            if (base[k] == '\n')
                ++line_;
        }
        if (quote >= size) { // unterminated: the field runs to the end of the data
            at = size;
            break;
        }
        if (quote + 1 < size && base[quote + 1] == '"') {
            doubled = true;
            at = quote + 2;
            continue;
        }
        at = quote;
        break;
    }
    QByteArrayView field(base + start, at - start);
    qsizetype after = at < size ? at + 1 : size;
    // Text after the closing quote (malformed input) is kept as part of the field.
    qsizetype tail = after;
    while (tail < size && base[tail] != ',' && base[tail] != '\n' && base[tail] != '\r')
        ++tail;
    if (doubled || tail > after) {
        QByteArray text;
        text.reserve(field.size() + (tail - after));
        for (qsizetype k = 0; k < field.size(); ++k) {
            text += field[k];
            if (field[k] == '"' && k + 1 < field.size() && field[k + 1] == '"')
                ++k;
        }
        text.append(base + after, tail - after);
        unescaped_.push_back(std::move(text));
        field = QByteArrayView(unescaped_.back());
    }
    finish(tail);
    return field;
}

} // namespace lexarion::dictbuild
