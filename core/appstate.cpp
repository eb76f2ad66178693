#include "core/appstate.h"

#include "core/dialogguard.h"

namespace lexarion {

AppState::AppState(QString programFolder) : programFolder_(std::move(programFolder)) {}

void ShowProgramMessage(AppState& app, const QString& text, const QString& title,
                        MessageIcon icon) {
    DialogGuard guard(app);
    if (MessagePresenter* presenter = app.Presenter())
        presenter->ShowMessage(text, title, icon);
}

} // namespace lexarion
