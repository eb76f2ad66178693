#include "app/appstate.h"

namespace lexarion {

AppState::AppState(QString programFolder) : programFolder_(std::move(programFolder)) {}

void ShowProgramMessage(AppState& app, const QString& text, const QString& title,
                        MessageIcon icon) {
    const bool wasShowing = app.dialogShowing;
    app.dialogShowing = true;
    if (MessagePresenter* presenter = app.Presenter())
        presenter->ShowMessage(text, title, icon);
    app.dialogShowing = wasShowing;
}

} // namespace lexarion
