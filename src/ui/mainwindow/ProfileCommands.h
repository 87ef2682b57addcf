// The profile, apply, restore, export and import commands of the main window:
// the current profile number, the pending-changes mark (the enabled state of
// Apply), the profile switch, the snapshot upload and the reload of the working
// store when a keyboard attaches.
#pragma once

#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

#include "model/KeyAssignmentModel.h"
#include "model/ProfileStore.h"

class CPngButton;
class QWidget;
class BusyIndicator;

namespace devicelink {
class DeviceCommands;
}
namespace model {
class DeviceImageTransfer;
}
namespace platform {
class InstanceLock;
}

namespace mainwindow {

namespace ids {
inline constexpr int kProfileName = 1005;
inline constexpr int kApply = 1006;
inline constexpr int kProfileButtons[3] = {1135, 1136, 1137};
inline constexpr int kRestoreDefaults = 1138;
inline constexpr int kBackupMenu = 1139;
inline constexpr int kMenuRestore = 32776;
inline constexpr int kMenuBackup = 32777;
}  // namespace ids

// What the commands need from the dialogs the main window owns.
struct ProfileDialogHooks {
    std::function<int()> compositeOpenCount = [] { return 0; };
    std::function<bool()> managerPending = [] { return false; };
    std::function<void()> clearManagerPending = [] {};
    std::function<int()> managerOpenCount = [] { return 0; };
    std::function<void(int)> tickManagerRow = [](int) {};
};

struct ProfileCommandsContext {
    model::ProfileStore &working;
    devicelink::DeviceCommands &device;
    model::KeyAssignmentModel &keys;
    model::DeviceImageTransfer &transfer;
    std::filesystem::path userFolder;
    // Makes sure the per-user folder and its lighting files exist.
    std::function<void()> prepareUserFolder = [] {};
    int languageIndex = 0;
};

class ProfileCommands {
public:
    ProfileCommands(ProfileCommandsContext context, CPngButton &applyButton,
                    CPngButton &profileNameButton, BusyIndicator &busy, QWidget &window);
    ~ProfileCommands();

    ProfileDialogHooks &hooks() { return hooks_; }
    // Restores the lighting defaults when the lighting view is on (restore defaults).
    void setLightingDefaultsRestorer(std::function<void()> restorer) {
        restoreLighting_ = std::move(restorer);
    }

    // The keyboard's active profile 0..2, read from the keyboard while unknown; -1 without one.
    int currentProfile();
    void setCurrentProfile(int profile);

    bool pending() const;
    void setPending(bool pending);

    // Result 1 done, 0 refused.
    int switchProfile(int profile);
    void apply();
    void restoreDefaults();
    void refreshProfileLabel();
    QString profileLabel();
    void exportTo(const QString &path);
    // Returns whether the store was replaced by the file.
    bool importFrom(const QString &path);
    void exportWithDialog();
    void importWithDialog();
    void reloadFromKeyboard(bool keepPending);
    // Re-reads the profile data file another process changed; unapplied
    // changes of the window stay (no other process changes the file meanwhile).
    void reloadFromFile();
    std::filesystem::path profileDataFile() const;
    bool isAskingToSwitch() const { return askingToSwitch_; }
    // Empties a store's macros and strings and gives it the default profile
    // block; the caller holds the store's lock.
    static void installDefaultStore(model::ProfileStore &store);

private:
    QString text(const char *key) const;
    bool ask(std::u16string_view key);
    void notify(const QString &message);

    ProfileCommandsContext context_;
    CPngButton &applyButton_;
    CPngButton &profileNameButton_;
    BusyIndicator &busy_;
    QWidget &window_;
    ProfileDialogHooks hooks_;
    std::function<void()> restoreLighting_ = [] {};
    bool askingToSwitch_ = false;
    // Held while Apply is pending, so that varnelctl leaves the files alone.
    std::unique_ptr<platform::InstanceLock> userFilesLock_;
};

}  // namespace mainwindow
