// First start of a user: the per-user folder is created and the three user
// lighting files are seeded from the template beside the executable. A folder that
// already exists is left alone, even when some lighting files are missing, so a
// file the user deleted does not come back.
#pragma once

#include "settings/AppPaths.h"
#include "settings/UserPaths.h"

namespace app {

inline constexpr int kUserLightingFiles = 3;

enum class FirstRunResult {
    AlreadySetUp,   // the folder existed; nothing was copied
    Created,        // folder created and the three lighting files written
    CreatedNoCopy,  // folder created, but the template was missing or a copy failed
    Failed,         // the folder could not be created
};

FirstRunResult initialiseUserFolder(const UserPaths &user, const AppPaths &app);

}  // namespace app
