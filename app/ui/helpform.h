#pragma once

// "Lexarion - [帮助]": the help pages of the program folder (help/index.html and the pages it
// links to) in a window of the program's own, so help works without a web browser. Links to
// other sites go to the system's handler.

#include <QWidget>

class QTextBrowser;

namespace lexarion {

class AppState;
class ButtonXP;
class SkinnedWindow;
class UrlOpener;
class WindowHooks;

inline constexpr QStringView MissingHelpText = u"找不到帮助文件 help/index.html。";

class HelpForm : public QWidget {
    Q_OBJECT
public:
    // `opener` opens the links that lead out of the help pages; none leaves them unopened.
    HelpForm(AppState& app, WindowHooks* hooks, UrlOpener* opener, QWidget* parent = nullptr);
    ~HelpForm() override;

    QTextBrowser* Browser() const { return browser_; }
    ButtonXP* BackButton() const { return backButton_; }
    ButtonXP* ForwardButton() const { return forwardButton_; }
    ButtonXP* HomeButton() const { return homeButton_; }
    ButtonXP* CloseButton() const { return closeButton_; }

private:
    void OpenLink(const QUrl& url);

    AppState& app_;
    SkinnedWindow* skin_;
    UrlOpener* opener_;
    QTextBrowser* browser_;
    ButtonXP* backButton_;
    ButtonXP* forwardButton_;
    ButtonXP* homeButton_;
    ButtonXP* closeButton_;
};

} // namespace lexarion
