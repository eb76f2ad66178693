#pragma once

// A temporary program folder with the user "Alice" logged in: her folder below users/ exists
// and the application object works over the folder.

#include "core/appstate.h"
#include "support/tempprogramfolder.h"

namespace lexarion::testing {

struct UserFixture {
    TempProgramFolder folder;
    AppState app{folder.Path()};

    UserFixture() {
        app.currentUser = "Alice";
        folder.MakeFolder("users/Alice");
    }
};

} // namespace lexarion::testing
