// A configuration with keys of every kind in all three profiles and five named
// macros goes to a keyboard and comes back as a profile file: the flow shared
// by every keyboard the device link is tested against.
#pragma once

#include <filesystem>

#include "devicelink/DeviceCommands.h"

namespace model::test {

// Uploads the configuration through `commands`, downloads it into the profile
// file `downloaded` and checks every record and macro that came back.
void roundTripThroughKeyboard(devicelink::DeviceCommands &commands,
                              const std::filesystem::path &downloaded);

}  // namespace model::test
