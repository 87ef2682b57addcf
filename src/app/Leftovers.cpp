#include "app/Leftovers.h"

#include "platform/AtomicFile.h"
#include "platform/NamedEvents.h"
#include "platform/Registry.h"
#include "settings/UserPaths.h"
#include "ui/mainwindow/NamedEventNames.h"

namespace app {

void removeLeftoversOfEndedInstance() {
    for (const std::string &name : mainwindow::mainNamedEventNames()) {
        platform::NamedEventSet::removeLeftover(name);
    }
    platform::removeInterruptedWrites(platform::Registry::defaultStoreFile().parent_path());
    platform::removeInterruptedWrites(UserPaths::forCurrentUser().userFolder);
}

}  // namespace app
