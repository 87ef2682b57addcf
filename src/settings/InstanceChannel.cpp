#include "settings/InstanceChannel.h"

#include <string>

#include "platform/Folders.h"

namespace app {

std::filesystem::path instanceChannelSocket() {
    return instanceChannelSocket(platform::runtimeFolder());
}

std::filesystem::path instanceChannelSocket(const std::filesystem::path &folder) {
    return folder / (std::string(kInstanceName) + ".sock");
}

}  // namespace app
