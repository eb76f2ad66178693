#include "dictbuild/ecdictsource.h"

#include "dictbuild/csvreader.h"

#include <array>
#include <cctype>
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

WordClass ClassOfMarker(QStringView marker) {
    marker = marker.trimmed();
    while (marker.endsWith(u'.'))
        marker.chop(1);
    static constexpr std::array<std::pair<QStringView, WordClass>, 14> classes = {{
        {u"n", NounClass},
        {u"pl", NounClass},
        {u"v", VerbClass},
        {u"vt", VerbClass},
        {u"vi", VerbClass},
        {u"aux", VerbClass},
        {u"modal", VerbClass},
        {u"link-v", VerbClass},
        {u"a", AdjectiveClass},
        {u"adj", AdjectiveClass},
        {u"s", AdjectiveClass},
        {u"r", AdverbClass},
        {u"adv", AdverbClass},
        {u"ad", AdverbClass},
    }};
    for (const auto& [name, c] : classes) {
        if (marker.compare(name, Qt::CaseInsensitive) == 0)
            return c;
    }
    return NoWordClass;
}

void ParseExchange(QByteArrayView exchange, SourceEntry& entry) {
    for (qsizetype start = 0; start < exchange.size();) {
        qsizetype end = exchange.indexOf('/', start);
        if (end < 0)
            end = exchange.size();
        const QByteArrayView item = exchange.sliced(start, end - start);
        start = end + 1;
        if (item.size() < 3 || item[1] != ':')
            continue;
        const char kind = item[0];
        const QByteArrayView form = item.sliced(2);
        if (kind == '0') {
            entry.lemma = QString::fromUtf8(form).trimmed();
        } else if (kind == 'p' || kind == 'd' || kind == 'i' || kind == '3' || kind == 'r' ||
                   kind == 't') {
            bool lower = !form.isEmpty();
            for (char c : form)
                lower = lower && !(c >= 'A' && c <= 'Z');
            entry.lowerCaseForms = entry.lowerCaseForms || lower;
        }
    }
}

namespace {

// An old-style definition that only names the base form: "imp. & p. p. of Kernel",
// "pl. of Abscissa", "p. pr. & vb. n. of Abduce". The base form, or an empty text.
QString DefinedAsFormOf(QByteArrayView line) {
    static constexpr std::array<const char*, 7> marks = {"pl.",   "plural",  "imp.",  "p. p.",
                                                         "p. pr", "3d pers", "superl"};
    bool marked = false;
    for (const char* mark : marks)
        marked = marked || line.startsWith(QByteArrayView(mark));
    if (!marked)
        return {};
    const qsizetype of = line.indexOf(QByteArrayView(" of "));
    if (of < 0 || of > 30)
        return {};
    qsizetype end = of + 4;
    while (end < line.size() && (std::isalpha(uchar(line[end])) || line[end] == '-'))
        ++end;
    return QString::fromLatin1(line.sliced(of + 4, end - of - 4)).toLower();
}

} // namespace

void CountDefinitions(QByteArrayView definition, SourceEntry& entry) {
    qsizetype start = 0;
    if (entry.lemma.isEmpty()) {
        qsizetype end = definition.indexOf(QByteArrayView("\\n"));
        entry.lemma = DefinedAsFormOf(definition.first(end < 0 ? definition.size() : end));
    }
    while (start <= definition.size()) {
        qsizetype end = definition.indexOf(QByteArrayView("\\n"), start);
        if (end < 0)
            end = definition.size();
        QByteArrayView line = definition.sliced(start, end - start);
        while (!line.isEmpty() && line.front() == ' ')
            line = line.sliced(1);
        qsizetype mark = 0;
        while (mark < line.size() && line[mark] >= 'a' && line[mark] <= 'z')
            ++mark;
        if (mark > 0 && mark < line.size() && (line[mark] == '.' || line[mark] == ' ')) {
            const WordClass c = ClassOfMarker(QString::fromLatin1(line.first(mark)));
            if (c != NoWordClass && entry.definitionCounts[size_t(c)] < 255)
                ++entry.definitionCounts[size_t(c)];
        }
        start = end + 2;
    }
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
    enum Column {
        Word,
        Phonetic,
        Definition,
        Translation,
        Collins,
        Oxford,
        Tag,
        Bnc,
        Frq,
        Exchange,
        ColumnCount
    };
    static constexpr std::array<const char*, ColumnCount> columnNames = {
        "word",   "phonetic", "definition", "translation", "collins",
        "oxford", "tag",      "bnc",        "frq",         "exchange"};
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
        ParseExchange(field(Exchange), entry);
        CountDefinitions(field(Definition), entry);
        table.entries.push_back(std::move(entry));
    }
    return true;
}

} // namespace lexarion::dictbuild
