#pragma once

// "单词速查": the lookup window. The keyword box searches the dictionary (an English keyword)
// or the Chinese index (any other) on every change; the list shows the neighbourhood of the
// word or the words of the index; the fields show the entry found. Each opening is a new
// window that loads both lookup files, and closing it releases them.

#include "tools/wordlookup.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;

namespace lexarion {

class AppState;
class ButtonXP;
class ListBoxXP;
class SkinnedWindow;
class TextBoxXP;
class WindowHooks;

inline constexpr auto LookupLoadError = u"加载速查词库时出错!";

class FindWordForm : public QWidget {
    Q_OBJECT
public:
    FindWordForm(AppState& app, WindowHooks* hooks, QWidget* parent = nullptr);
    ~FindWordForm() override;

    // The window's load: the Chinese index, then the dictionary. When either fails the error
    // message is shown, the window closes (and deletes itself) and the result is false.
    bool Load();

    SkinnedWindow& Skin() const { return *skin_; }
    const WordLookup& Lookup() const { return lookup_; }
    bool LookupBusy() const { return lookupBusy_; }

    TextBoxXP* KeyWordText() const { return keyWordText_; }
    ListBoxXP* ListBoxXP1() const { return listBox_; }
    TextBoxXP* WordText() const { return wordText_; }
    TextBoxXP* PronounceText() const { return pronounceText_; }
    // Several lines: an explanation wraps within the field and scrolls when longer.
    QPlainTextEdit* ExplanationText() const { return explanationText_; }
    ButtonXP* ReadWordButton() const { return readWordButton_; }
    ButtonXP* CopyButton() const { return copyButton_; }
    ButtonXP* AddToMyDictButton() const { return addToMyDictButton_; }
    ButtonXP* CloseButton() const { return closeButton_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void KeyWordChange();
    void KeyWordKeyPress(int& keyAscii);
    void ListItemSelected();
    void Copy();
    void AddToMyDict();
    // Puts the state of the search on the controls: the list when it was filled anew, its
    // selection, the three fields and the two buttons.
    void ShowLookup();
    void FillList();
    // The explanation field in the colours the skin gave the text boxes.
    void StyleExplanation();

    AppState& app_;
    WordLookup lookup_;
    // Set while the window itself changes the keyword box or the list, so their change and
    // selection reactions do not run again.
    bool lookupBusy_ = false;
    quint64 listFillsShown_ = 0;

    SkinnedWindow* skin_;
    TextBoxXP* keyWordText_;
    ListBoxXP* listBox_;
    TextBoxXP* wordText_;
    TextBoxXP* pronounceText_;
    QPlainTextEdit* explanationText_;
    ButtonXP* readWordButton_;
    ButtonXP* copyButton_;
    ButtonXP* addToMyDictButton_;
    ButtonXP* closeButton_;
};

} // namespace lexarion
