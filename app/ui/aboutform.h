#pragma once

// "关于本软件": the product, its version, the rights and terms of use, and the home page.

#include <QDialog>

namespace lexarion {

class AppState;
class SkinnedWindow;
class WindowHooks;

class AboutForm : public QDialog {
    Q_OBJECT
public:
    AboutForm(AppState& app, WindowHooks* hooks, QWidget* parent = nullptr);
    ~AboutForm() override;

    SkinnedWindow& Skin() const { return *skin_; }

private:
    SkinnedWindow* skin_;
};

} // namespace lexarion
