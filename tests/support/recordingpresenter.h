#pragma once

// A message presenter that shows nothing and records each message with the state of
// `dialogShowing` while it would have been open.

#include "core/appstate.h"

#include <vector>

namespace lexarion::testing {

struct ShownMessage {
    QString text;
    QString title;
    MessageIcon icon;
    bool dialogShowing;
};

class RecordingPresenter : public MessagePresenter {
public:
    // Becomes the presenter of `app` for its lifetime.
    explicit RecordingPresenter(AppState& app) : app_(app) { app.SetMessagePresenter(this); }
    ~RecordingPresenter() override {
        if (app_.Presenter() == this)
            app_.SetMessagePresenter(nullptr);
    }
    void ShowMessage(const QString& text, const QString& title, MessageIcon icon) override {
        shown.push_back({text, title, icon, app_.dialogShowing});
    }
    std::vector<ShownMessage> shown;

private:
    AppState& app_;
};

} // namespace lexarion::testing
