// The profile manager: one row per profile file with a single-choice tick for
// the profile the keyboard shall use; rows for new or existing files can be
// added and rows removed. Apply stores the list, switches the keyboard to the
// ticked profile and reads its content back.
#pragma once

#include <filesystem>

#include "ui/skin/CBaseDialog.h"

namespace app {
class AppSettings;
}

class CReportCtrl;
class CPngButton;

namespace dialogs {

class MainWindowAccess;

struct ProfileManagerContext {
    std::filesystem::path skinFile;    // "Profile.ini"
    std::filesystem::path skinFolder;  // folder of its pictures
    std::filesystem::path userFolder;  // the per-user folder holding the profile data file
    app::AppSettings &settings;        // section "PROFILES"
    MainWindowAccess &window;
};

class CVarnel_DlgProfile : public CBaseDialog {
    Q_OBJECT

public:
    static constexpr int kAddNew = 1010, kAddExisting = 1008, kDelete = 1011, kApply = 1012,
                         kList = 1007;

    CVarnel_DlgProfile(QWidget *parent, ProfileManagerContext context);
    ~CVarnel_DlgProfile() override;

    // Runs the dialog modally and returns its result.
    int openModal();
    // Shows the dialog without waiting; tests drive it this way.
    void openModeless();

    // What the main window's profile switch reads and changes.
    bool pending() const { return pending_; }
    void clearPending();
    void tickRow(int row);
    // 1 while open, 0 when closed.
    int openCount() const { return isOpen() ? 1 : 0; }

    CReportCtrl &list() { return *list_; }
    void applyChoice();

protected:
    void onInitDialog() override;
    void relabel(int languageIndex) override;
    void done(int result) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void fillList();
    void appendFileRow(const std::filesystem::path &file);
    void addNewFile();
    void addExistingFile();
    void deleteSelectedRow();
    void onCommand(int id);
    void setPending();

    ProfileManagerContext context_;
    CReportCtrl *list_ = nullptr;
    bool pending_ = false;
};

}  // namespace dialogs
