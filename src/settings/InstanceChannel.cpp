#include "settings/InstanceChannel.h"

#include <string>

#include "platform/Folders.h"

namespace app {

std::filesystem::path instanceChannelSocket() {
    return platform::runtimeFolder() / (std::string(kInstanceName) + ".sock");
}

}  // namespace app
