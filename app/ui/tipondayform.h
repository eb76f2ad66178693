#pragma once

// "每日英语": one tip of Tips/ at a time, paging back and forward; remembers the tip shown
// and whether it opens at start-up.

#include "app/tipondayformlogic.h"

#include <QDialog>

class QLabel;

namespace lexarion {

class AppState;
class ButtonXP;
class CheckBoxXP;
class SkinnedWindow;
class WindowHooks;

class TipOnDayForm : public QDialog {
    Q_OBJECT
public:
    TipOnDayForm(AppState& app, WindowHooks* hooks, QWidget* parent = nullptr);
    ~TipOnDayForm() override;

    SkinnedWindow& Skin() const { return *skin_; }

    QLabel* TipLabel() const { return tipLabel_; }
    CheckBoxXP* ShowOnStartCheck() const { return showOnStartCheck_; }
    ButtonXP* BackButton() const { return backButton_; }
    ButtonXP* ForwardButton() const { return forwardButton_; }
    ButtonXP* CloseButton() const { return closeButton_; }
    qint32 TipIndex() const { return tips_.Index(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private:
    void Show(const std::optional<QString>& text);
    void Store();

    TipBrowser tips_;
    SkinnedWindow* skin_;
    QLabel* tipLabel_;
    QLabel* titleLabel_;
    CheckBoxXP* showOnStartCheck_;
    ButtonXP* backButton_;
    ButtonXP* forwardButton_;
    ButtonXP* closeButton_;
    bool stored_ = false;
};

} // namespace lexarion
