#include "tools/wordlookup.h"

#include "core/appstate.h"
#include "core/settings.h"
#include "platform/textfile.h"
#include "wordlist/mydict.h"
#include "wordlist/wordcompare.h"
#include "wordlist/wordentry.h"

#include <QScopedValueRollback>
#include <algorithm>

namespace lexarion {

namespace {

constexpr qint32 NeighbourhoodRadius = 20;

} // namespace

qint32 FindPrefix(const QStringList& items, qint32 start, const QString& prefix) {
    for (qint32 i = std::max(start, 0); i < items.size(); ++i) {
        if (StartsWithWord(items.at(i), prefix))
            return i;
    }
    return -1;
}

bool WordLookup::Load(const QString& programFolder) {
    const QString dicts = AddBackslash(programFolder) + QStringLiteral("Dicts");
    const QString indexPath = ResolveCaseInsensitive(dicts, QStringLiteral("All_cn.idx"));
    const QString dictPath = ResolveCaseInsensitive(dicts, QStringLiteral("All.wsl"));
    const bool indexOk = LoadLookupFile(indexPath, chineseIndex_);
    const bool dictOk = LoadLookupFile(dictPath, dictionary_);
    if (!indexOk || !dictOk)
        return false;
    const QScopedValueRollback busy(lookupBusy_, true);
    listIndex_ = 0;
    ResetLookupDisplay();
    return true;
}

void WordLookup::Release() {
    dictionary_.Clear();
    chineseIndex_.Clear();
    ClearList();
}

void WordLookup::ClearList() {
    listItems_.clear();
    listIndex_ = 0;
    hasSelection_ = false;
    topIndex_ = 0;
    ++listFills_;
}

bool WordLookup::ShowEntry(const QString& line) {
    const QString word = EntryWord(line, QString());
    if (WordsEqual(word, keyword_)) {
        display_.word = word;
        display_.explanation = EntryExplanation(line, QString());
        display_.pronounce = EntryPronounce(line, QStringLiteral("//"));
        buttonsEnabled_ = true;
        return true;
    }
    ResetLookupDisplay();
    buttonsEnabled_ = false;
    return false;
}

void WordLookup::FindEnglishWord(const QString& keyword, bool fillList) {
    keyword_ = keyword;
    if (keyword.isEmpty()) {
        ResetLookupDisplay();
        return;
    }
    const qint32 count = dictionary_.Count();
    const qint32 d = FindString(dictionary_, 0, count - 1, keyword, false);
    if (d < 0) {
        ResetLookupDisplay();
        return;
    }
    if (fillList) {
        ClearList();
        const qint32 from = std::max(d - NeighbourhoodRadius, 0);
        const qint32 to = std::min(d + NeighbourhoodRadius, count - 1);
        listItems_.reserve(to - from + 1);
        for (qint32 i = from; i <= to; ++i)
            listItems_.append(dictionary_.Word(i));
        ShowEntry(dictionary_.Line(d));
        const qint32 match = FindPrefix(listItems_, 0, keyword);
        if (match >= 0) {
            listIndex_ = match;
            hasSelection_ = true;
        }
    } else {
        ShowEntry(dictionary_.Line(d));
    }
}

void WordLookup::FindWord2(const QString& keyword) {
    keyword_ = keyword;
    if (keyword.isEmpty()) {
        ResetLookupDisplay();
        return;
    }
    const QString key = EncodeChineseKey(keyword);
    const qint32 c = FindString(chineseIndex_, 0, chineseIndex_.Count() - 1, key, true);
    ClearList();
    if (c < 0) {
        ResetLookupDisplay();
    } else {
        const QString words = EntryExplanation(chineseIndex_.Line(c), QString());
        for (const QString& piece : words.split(u',')) {
            const QString item = TrimSpaces(piece).toString();
            listItems_.append(item);
        }
    }
    topIndex_ = 0;
}

void WordLookup::KeywordChanged(const QString& text) {
    keyword_ = text;
    if (lookupBusy_)
        return;
    const QScopedValueRollback busy(lookupBusy_, true);
    if (IsAsciiText(text))
        FindEnglishWord(text, true);
    else
        FindWord2(text);
}

void WordLookup::EnterPressed() {
    const QString caption =
        listIndex_ >= 0 && listIndex_ < listItems_.size() ? listItems_.at(listIndex_) : QString();
    KeywordChanged(caption);
}

void WordLookup::ItemSelected(qint32 index) {
    if (lookupBusy_ || index < 0 || index >= listItems_.size())
        return;
    const QScopedValueRollback busy(lookupBusy_, true);
    listIndex_ = index;
    hasSelection_ = true;
    keyword_ = listItems_.at(index);
    FindEnglishWord(keyword_, false);
}

QString WordLookup::CopyText() const {
    return keyword_ + u"\r\n"_qs + display_.pronounce + u"\r\n"_qs + display_.explanation;
}

std::optional<QString> WordLookup::NewWordLine() const {
    if (display_.explanation == QStringView(LookupPrompt))
        return std::nullopt;
    QString line = display_.word + u'#' + display_.explanation;
    if (display_.pronounce != u"//"_qs)
        line += u'#' + display_.pronounce;
    return line;
}

void WordLookup::AddToNewWordBook(AppState& app) const {
    const std::optional<QString> line = NewWordLine();
    if (!line)
        return;
    if (IsMyDictLoaded(app))
        app.wordList.Append(*line);
    else
        AppendToMyDict(app, *line);
}

} // namespace lexarion
