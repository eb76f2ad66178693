#pragma once

// "关于本软件": the product, its version, the rights and terms of use, and the home page.

#include <QDialog>

namespace lexarion {

class AppState;

class AboutForm : public QDialog {
    Q_OBJECT
public:
    explicit AboutForm(AppState& app, QWidget* parent = nullptr);
};

} // namespace lexarion
