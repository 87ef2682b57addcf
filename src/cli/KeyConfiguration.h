// The key configuration the window keeps: the profile data file in the per-user
// folder (the key records of all three profiles, the macros and the launch
// strings), loaded into a store, changed, written back and uploaded as the
// window's Apply does.
#pragma once

#include <filesystem>
#include <optional>

#include "cli/KeyboardSession.h"
#include "model/DeviceImage.h"
#include "model/ProfileStore.h"

namespace cli {

// The model's notices, on stderr in the language file's words.
void showOnStderr(const model::UserMessage &message);

class KeyConfiguration {
public:
    explicit KeyConfiguration(KeyboardSession &session);

    // The profile data file: read when it exists, otherwise first downloaded
    // from the keyboard, as the window does when a keyboard arrives. Fails with
    // "file error" when it cannot be read.
    model::ProfileStore &load();
    // Replaces the store with a validated profile file; fails with "file error"
    // and changes nothing when the file is not a whole, valid profile file.
    void importFrom(const std::filesystem::path &file);
    // Reads the keyboard's pages and macros into the profile data file.
    void download();
    // Writes the store to the profile data file (or to another file).
    void save();
    void saveTo(const std::filesystem::path &file);
    // Sends the key pages of one profile (every profile when none is given) and
    // the macro area, as Apply does.
    void upload(std::optional<int> onlyProfile);

private:
    model::DeviceImageTransfer &transfer();
    static void prepareUserFolder();

    KeyboardSession &session_;
    std::filesystem::path dataFile_;
    model::ProfileStore working_;
    model::ProfileStore snapshot_;
    int uploadProfile_ = -1;
    std::unique_ptr<model::DeviceImageTransfer> transfer_;
};

}  // namespace cli
