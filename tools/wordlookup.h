#pragma once

// What the lookup window shows and how it reacts, without the window: the two lookup files, the
// keyword, the entry fields, the list of words and its selection, and the enabled state of the
// copy and add buttons. The window forwards its events here and shows the result.

#include "tools/lookupfile.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace lexarion {

class AppState;

inline constexpr auto LookupPrompt = u"请输入你要查找的单词的关键字";

struct LookupDisplay {
    QString word = QStringLiteral("-");
    QString pronounce = QStringLiteral("//");
    QString explanation = QString::fromUtf16(LookupPrompt);

    bool operator==(const LookupDisplay&) const = default;
};

class WordLookup {
public:
    // Loads the Chinese index, then the dictionary, from Dicts/ below the program folder. Both
    // loads always run; false when either failed (a missing file has been created empty).
    bool Load(const QString& programFolder);
    void Release();

    const LookupFile& Dictionary() const { return dictionary_; }
    const LookupFile& ChineseIndex() const { return chineseIndex_; }

    // --- the window's state ---
    const QString& Keyword() const { return keyword_; }
    const LookupDisplay& Display() const { return display_; }
    bool CopyEnabled() const { return buttonsEnabled_; }
    bool AddEnabled() const { return buttonsEnabled_; }
    const QStringList& ListItems() const { return listItems_; }
    // 0-based selected item; 0 also while the list is empty, like the list box.
    qint32 ListIndex() const { return listIndex_; }
    // Whether an item is selected: a refilled list selects nothing until an item is chosen or
    // the English search finds one that begins with the keyword.
    bool HasSelection() const { return hasSelection_; }
    // Counts the times the list was emptied and filled again, so a window showing the list
    // knows when to fill its own.
    quint64 ListFills() const { return listFills_; }
    qint32 TopIndex() const { return topIndex_; }

    // --- the window's reactions ---
    // The keyword box changed to `text`: an ASCII keyword searches the dictionary, any other
    // the Chinese index.
    void KeywordChanged(const QString& text);
    // Enter in the keyword box: the caption at the list's index becomes the keyword (an empty
    // text when the index is outside the list) and is searched again.
    void EnterPressed();
    // An item of the list was selected: it becomes the keyword and its entry is shown.
    void ItemSelected(qint32 index);

    // The text the copy button puts on the clipboard.
    QString CopyText() const;
    // The entry line the add button adds to the new-word book, none while the prompt shows.
    std::optional<QString> NewWordLine() const;
    // Adds that line: to the loaded list when the book is loaded, else to the book file.
    void AddToNewWordBook(AppState& app) const;

    // --- the searches themselves ---
    void FindEnglishWord(const QString& keyword, bool fillList);
    void FindWord2(const QString& keyword);

private:
    bool ShowEntry(const QString& line);
    void ResetLookupDisplay() { display_ = LookupDisplay(); }
    void ClearList();

    LookupFile dictionary_;
    LookupFile chineseIndex_;
    bool lookupBusy_ = false;
    QString keyword_;
    LookupDisplay display_;
    bool buttonsEnabled_ = false;
    QStringList listItems_;
    qint32 listIndex_ = 0;
    bool hasSelection_ = false;
    qint32 topIndex_ = 0;
    quint64 listFills_ = 0;
};

// The first item, from `start` on, whose text begins with `prefix` under CompareWords' folding;
// -1 when there is none. The list box's own prefix search.
qint32 FindPrefix(const QStringList& items, qint32 start, const QString& prefix);

} // namespace lexarion
