#include "dictbuild/ecdictsource.h"

#include "dictbuild/csvreader.h"

#include <array>
#include <charconv>

namespace lexarion::dictbuild {

namespace {

qint32 ParseNumber(QByteArrayView text) {
    while (!text.isEmpty() && text.front() == ' ')
        text = text.sliced(1);
    qint32 value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() ? value : 0;
}

bool IsBlank(QByteArrayView text) {
    for (char c : text) {
        if (c != ' ' && c != '\t')
            return false;
    }
    return true;
}

} // namespace

quint8 ParseExamTags(QByteArrayView tags) {
    static constexpr std::array<std::pair<const char*, quint8>, 8> names = {{
        {"zk", TagZhongkao},
        {"gk", TagGaokao},
        {"cet4", TagCet4},
        {"cet6", TagCet6},
        {"ky", TagKaoyan},
        {"toefl", TagToefl},
        {"ielts", TagIelts},
        {"gre", TagGre},
    }};
    quint8 bits = 0;
    qsizetype i = 0;
    while (i < tags.size()) {
        while (i < tags.size() && tags[i] == ' ')
            ++i;
        qsizetype j = i;
        while (j < tags.size() && tags[j] != ' ')
            ++j;
        const QByteArrayView name = tags.sliced(i, j - i);
        for (const auto& [tag, bit] : names) {
            if (name == QByteArrayView(tag))
                bits |= bit;
        }
        i = j;
    }
    return bits;
}

bool ReadEcdictCsv(QByteArrayView csv, SourceTable& table, QString* error) {
    table = {};
    CsvReader reader(csv);
    std::vector<QByteArrayView> fields;
    if (!reader.Next(fields)) {
        if (error)
            *error = QStringLiteral("the dictionary source is empty");
        return false;
    }
    enum Column { Word, Phonetic, Translation, Collins, Oxford, Tag, Bnc, Frq, ColumnCount };
    static constexpr std::array<const char*, ColumnCount> columnNames = {
        "word", "phonetic", "translation", "collins", "oxford", "tag", "bnc", "frq"};
    std::array<qsizetype, ColumnCount> at;
    at.fill(-1);
    for (qsizetype i = 0; i < qsizetype(fields.size()); ++i) {
        const QByteArray name = fields[size_t(i)].trimmed().toByteArray().toLower();
        for (int c = 0; c < ColumnCount; ++c) {
            if (name == columnNames[size_t(c)])
                at[size_t(c)] = i;
        }
    }
    if (at[Word] < 0 || at[Translation] < 0) {
        if (error)
            *error = QStringLiteral("the dictionary source has no \"word\" or \"translation\" "
                                    "column in its first line");
        return false;
    }
    auto field = [&fields, &at](Column c) -> QByteArrayView {
        const qsizetype i = at[size_t(c)];
        return i >= 0 && i < qsizetype(fields.size()) ? fields[size_t(i)] : QByteArrayView();
    };

    table.entries.reserve(size_t(csv.size() / 80));
    while (reader.Next(fields)) {
        ++table.rows;
        const QByteArrayView translation = field(Translation);
        if (IsBlank(translation))
            continue;
        SourceEntry entry;
        entry.word = QString::fromUtf8(field(Word));
        entry.phonetic = QString::fromUtf8(field(Phonetic));
        entry.translation = QString::fromUtf8(translation);
        entry.tags = ParseExamTags(field(Tag));
        entry.collins = ParseNumber(field(Collins));
        entry.oxford = ParseNumber(field(Oxford)) > 0;
        entry.bnc = ParseNumber(field(Bnc));
        entry.frq = ParseNumber(field(Frq));
        table.entries.push_back(std::move(entry));
    }
    return true;
}

} // namespace lexarion::dictbuild
