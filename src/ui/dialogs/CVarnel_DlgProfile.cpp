#include "ui/dialogs/CVarnel_DlgProfile.h"

#include <QKeyEvent>

#include "model/ProfileFile.h"
#include "settings/AppSettings.h"
#include "ui/dialogs/MainWindowAccess.h"
#include "ui/dialogs/ProfileRows.h"
#include "ui/skin/CPngButton.h"
#include "ui/skin/DialogServices.h"
#include "ui/skin/DialogText.h"
#include "ui/skin/SkinPath.h"
#include "ui/widgets/CReportCtrl.h"

namespace dialogs {

namespace {

constexpr int kOnBoardProfiles = 3;

enum Column { kTickColumn = 0, kNameColumn = 1, kFolderColumn = 2 };

struct ButtonEntry {
    int id;
    const char16_t *skinKey;
};
constexpr ButtonEntry kButtons[] = {{1, u"CONTROL_OK"},
                                    {2, u"CONTROL_CANCEL"},
                                    {CVarnel_DlgProfile::kAddNew, u"FUNC_ADD"},
                                    {CVarnel_DlgProfile::kAddExisting, u"FUNC_LOAD"},
                                    {CVarnel_DlgProfile::kDelete, u"FUNC_DELETE"},
                                    {CVarnel_DlgProfile::kApply, u"CONTROL2_APPLY"}};

// The column titles: a text of the language file, or the fixed title where the
// language file has none.
struct ColumnTitle {
    const char *textKey;
    const char16_t *fixedTitle;
    int width;
};
constexpr ColumnTitle kColumnTitles[] = {{"PROFILE_COLUMN_ACTIVE", u"激活", 60},
                                         {"PROFILE_COLUMN_NAME", u"名称", 120},
                                         {"PROFILE_COLUMN_FOLDER", u"路径", 230}};

const QString kFileFilter = QStringLiteral("(*.vrp) (*.vrp);;(*.*) (*)");

skin::ButtonPictures buttonPictures(const QString &folder, QSize clientSize) {
    static skin::StatePictureSet pictures;  // loaded once per process
    return skin::smallDialogButtonPictures(pictures, folder, QStringLiteral("Profile"), clientSize);
}

}  // namespace

CVarnel_DlgProfile::CVarnel_DlgProfile(QWidget *parent, ProfileManagerContext context)
    : CBaseDialog(parent, skin::toQString(context.skinFile), skin::toQString(context.skinFolder)),
      context_(std::move(context)) {
    setModal(true);
    buildControls();
    connect(this, &CBaseDialog::controlClicked, this, &CVarnel_DlgProfile::onCommand);
}

CVarnel_DlgProfile::~CVarnel_DlgProfile() = default;

void CVarnel_DlgProfile::buildControls() {
    for (const ButtonEntry &entry : kButtons) addImageButton(entry.id, entry.skinKey, {});
    list_ = addControl<CReportCtrl>(kList, u"PROGRAM_LIST", kList);
    std::vector<ReportColumn> columns;
    for (const ColumnTitle &column : kColumnTitles) columns.push_back({QString(), column.width});
    list_->setColumns(columns);
    // Long folders keep their start and their end; the whole path is the row's tooltip.
    list_->setTextElideMode(Qt::ElideMiddle);
    list_->setGridLines(true);
    list_->setCheckBoxes(true, true);
    connect(list_, &CReportCtrl::checkChanged, this, [this] { setPending(); });
}

int CVarnel_DlgProfile::openModal() {
    if (isOpen()) return Rejected;
    return exec();
}

void CVarnel_DlgProfile::openModeless() {
    if (!isOpen()) show();
}

void CVarnel_DlgProfile::onInitDialog() {
    CBaseDialog::onInitDialog();
    const skin::ButtonPictures pictures = buttonPictures(imageFolder(), size());
    for (const ButtonEntry &entry : kButtons)
        controlAs<CPngButton>(entry.id)->setPictures(pictures);
    relabel(context_.window.languageIndex());
    fillList();
}

void CVarnel_DlgProfile::relabel(int languageIndex) {
    for (std::size_t c = 0; c < std::size(kColumnTitles); ++c) {
        const ColumnTitle &column = kColumnTitles[c];
        list_->setColumnTitle(static_cast<int>(c),
                              skin::dialogTextOr(column.textKey, languageIndex,
                                                 QString::fromUtf16(column.fixedTitle)));
    }
}

void CVarnel_DlgProfile::fillList() {
    list_->deleteAllItems();
    for (int profile = 0; profile < kOnBoardProfiles; ++profile) {
        appendFileRow(model::profileFilePath(context_.userFolder, profile));
    }
    const int current = context_.window.currentProfile();
    if (current >= 0 && current < list_->rowCount()) list_->setChecked(current, true);
    clearPending();
}

void CVarnel_DlgProfile::appendFileRow(const std::filesystem::path &file) {
    const ProfileRow row = profileRowOf(file);
    const int added = list_->appendItem(
        {QString(), QString::fromStdU16String(row.name), QString::fromStdU16String(row.folder)});
    list_->setRowToolTip(added, QString::fromStdU16String(storedProfilePath(row)));
}

void CVarnel_DlgProfile::clearPending() {
    pending_ = false;
    if (auto *apply = controlAs<CPngButton>(kApply)) apply->setEnabled(false);
}

void CVarnel_DlgProfile::setPending() {
    pending_ = true;
    if (auto *apply = controlAs<CPngButton>(kApply)) apply->setEnabled(true);
}

void CVarnel_DlgProfile::tickRow(int row) {
    if (row >= 0 && row < list_->rowCount()) list_->setChecked(row, true);
}

void CVarnel_DlgProfile::onCommand(int id) {
    switch (id) {
        case kAddNew:
            addNewFile();
            break;
        case kAddExisting:
            addExistingFile();
            break;
        case kDelete:
            deleteSelectedRow();
            break;
        case kApply:
            applyChoice();
            break;
        case 1:
            applyChoice();
            accept();
            break;
        case 2:
            reject();
            break;
        default:
            break;
    }
}

void CVarnel_DlgProfile::addNewFile() {
    const int language = context_.window.languageIndex();
    const std::filesystem::path initial =
        context_.userFolder / skin::dialogText("PROFILE_NEW", language).toStdU16String();
    const QString chosen = skin::dialogServices().saveFileName(
        this, QString(), skin::toQString(initial), kFileFilter, QStringLiteral("vrp"));
    if (chosen.isEmpty()) return;
    const std::filesystem::path file = withProfileExtension(skin::toPath(chosen));
    // A file that cannot be created still gets its row.
    model::createDefaultProfileFile(file);
    appendFileRow(file);
    setPending();
}

void CVarnel_DlgProfile::addExistingFile() {
    const QString chosen = skin::dialogServices().openFileName(
        this, QString(), skin::toQString(context_.userFolder), kFileFilter);
    if (chosen.isEmpty()) return;
    appendFileRow(skin::toPath(chosen));
    setPending();
}

void CVarnel_DlgProfile::deleteSelectedRow() {
    if (!list_->deleteItem(list_->selectedRow())) return;
    setPending();
}

void CVarnel_DlgProfile::applyChoice() {
    const int rows = list_->rowCount();
    for (int row = 0; row < rows; ++row) {
        const ProfileRow text{list_->itemText(row, kNameColumn).toStdU16String(),
                              list_->itemText(row, kFolderColumn).toStdU16String()};
        context_.settings.writeProfileString(app::AppSettings::profileListKey(row + 1),
                                             storedProfilePath(text));
    }
    context_.settings.writeProfileString(app::AppSettings::profileListKey(0),
                                         QString::number(rows).toStdU16String());
    // Only the keyboard's own profiles can be switched to; a ticked row of an
    // added file counts as no tick.
    const int ticked = list_->checkedRow();
    context_.window.switchProfile(ticked < kOnBoardProfiles ? ticked : -1);
    context_.window.reloadFromKeyboard();
    context_.window.refreshProfileLabel();
    clearPending();
    context_.window.clearApplyPending();
}

void CVarnel_DlgProfile::done(int result) {
    clearPending();
    CBaseDialog::done(result);
}

void CVarnel_DlgProfile::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_F1) {
        context_.window.openHelp();
        event->accept();
        return;
    }
    CBaseDialog::keyPressEvent(event);
}

}  // namespace dialogs
