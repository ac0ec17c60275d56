// SPDX-License-Identifier: MIT
#pragma once

#include "CellEditCommand.h"
#include "CellEditRules.h"
#include "CsvReader.h"
#include "EditCaptions.h"
#include "Exports.h"
#include "FileDialogs.h"
#include "LeagueChange.h"
#include "PasteReader.h"
#include "SaveCheck.h"
#include "StringGrid.h"
#include "TRomTeamData.h"
#include "Team.h"

#include <QColor>
#include <QMainWindow>
#include <QUndoStack>

#include <array>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class QToolButton;
class QUrl;
class TCompareWindow;
class TExchangeController;
class TFileController;
class TPlayController;

// The editor's main window: the open image, the team on screen in two grids, and every command.
// Between showing and saving, the grid texts are the only working copy of the team's players.
//
// Its state and controls are private; each is reached, read-only, through an accessor named as
// the editor has always named it (FilePath(), BatterTable(), MenuOpen() ...). Some of those names
// come from the original form designer and say little (O1, I1, Help1, Help2, V2, Bevel1); a
// comment beside their accessors says what they are.
class TMainForm : public QMainWindow {
    Q_OBJECT
    // The import and working-surface workflows check and ask as the window's own commands do.
    friend class TImportController;
    friend class TClipboardController;

public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // ---- State of the editor ----

    // The open image; empty when none is open.
    [[nodiscard]] const QString& FilePath() const { return filePath_; }
    // 1 while the shown team has edits not saved yet, 0 otherwise. It follows the undo stack:
    // undoing every edit since the team was shown or saved leaves nothing to ask about.
    [[nodiscard]] int DataChanged() const { return undoStack_.isClean() ? 0 : 1; }
    // The last pick of the colour chooser.
    [[nodiscard]] int ChosenColorIndex() const { return chosenColorIndex_; }
    [[nodiscard]] QColor ChosenColor() const { return chosenColor_; }
    // The record access, with the colour bytes of the shown team.
    [[nodiscard]] const TRomTeamData& RomTeamData() const { return romTeamData_; }
    // The team whose rows the grids hold (-1 when none).
    [[nodiscard]] int ShownTeam() const { return shownTeam_; }

    // ---- Controls ----

    [[nodiscard]] QFrame* Bevel1() const { return bevel1_; } // the frame of the top band
    [[nodiscard]] QToolButton* SpeedOpenButton() const { return speedOpenButton_; }
    [[nodiscard]] QToolButton* SpeedUpdateButton() const { return speedUpdateButton_; }
    [[nodiscard]] QToolButton* SpeedCloseButton() const { return speedCloseButton_; }
    [[nodiscard]] QToolButton* SpeedPlayButton() const { return speedPlayButton_; }
    [[nodiscard]] QFrame* HelmetColor() const { return helmetColor_; }
    [[nodiscard]] QPushButton* HelmetButton() const { return helmetButton_; }
    [[nodiscard]] QFrame* UniformColor() const { return uniformColor_; }
    [[nodiscard]] QPushButton* UniformButton() const { return uniformButton_; }
    [[nodiscard]] QLabel* EditTeamLabel() const { return editTeamLabel_; }
    [[nodiscard]] QComboBox* TeamBox() const { return teamBox_; }
    [[nodiscard]] StringGrid* BatterTable() const { return batterTable_; }
    [[nodiscard]] StringGrid* PitcherTable() const { return pitcherTable_; }

    // ---- Main menu ----
    // One action per command: the tool buttons show MenuOpen, MenuSave and MenuClose, so that a
    // click on one is the menu command itself.

    [[nodiscard]] QMenu* MenuUpdate() const { return menuUpdate_; } // the File menu
    [[nodiscard]] QAction* MenuOpen() const { return menuOpen_; }
    [[nodiscard]] QAction* MenuClose() const { return menuClose_; }
    [[nodiscard]] QAction* MenuSave() const { return menuSave_; }
    [[nodiscard]] QAction* MenuSaveNew() const { return menuSaveNew_; }
    [[nodiscard]] QMenu* O1() const { return o1_; } // the Export submenu
    [[nodiscard]] QAction* MenuSaveCSV() const { return menuSaveCSV_; }
    [[nodiscard]] QAction* MenuOutputHTML() const { return menuOutputHTML_; }
    [[nodiscard]] QAction* MenuSaveLeagueCSV() const { return menuSaveLeagueCSV_; }
    [[nodiscard]] QAction* MenuOutputLeagueOverview() const { return menuOutputLeagueOverview_; }
    [[nodiscard]] QAction* MenuSaveTeamJSON() const { return menuSaveTeamJSON_; }
    [[nodiscard]] QAction* MenuSaveLeagueJSON() const { return menuSaveLeagueJSON_; }
    [[nodiscard]] QAction* MenuOutputPatch() const { return menuOutputPatch_; }
    [[nodiscard]] QMenu* I1() const { return i1_; } // the Import submenu
    [[nodiscard]] QAction* MenuImportCSV() const { return menuImportCSV_; }
    [[nodiscard]] QAction* MenuImportLeagueCSV() const { return menuImportLeagueCSV_; }
    [[nodiscard]] QAction* MenuImportSeason() const { return menuImportSeason_; }
    [[nodiscard]] QAction* MenuApplyPatch() const { return menuApplyPatch_; }
    [[nodiscard]] QAction* MenuCompare() const { return menuCompare_; }
    [[nodiscard]] QAction* MenuImageInfo() const { return menuImageInfo_; }
    [[nodiscard]] QAction* MenuPlay() const { return menuPlay_; }
    [[nodiscard]] QAction* MenuExit() const { return menuExit_; }
    [[nodiscard]] QMenu* MenuEdit() const { return menuEdit_; }
    [[nodiscard]] QAction* MenuUndo() const { return menuUndo_; }
    [[nodiscard]] QAction* MenuRedo() const { return menuRedo_; }
    [[nodiscard]] QAction* MenuCopy() const { return menuCopy_; }
    [[nodiscard]] QAction* MenuPaste() const { return menuPaste_; }
    [[nodiscard]] QMenu* Help1() const { return help1_; }   // the Help menu
    [[nodiscard]] QAction* Help2() const { return help2_; } // its help topics
    [[nodiscard]] QAction* V2() const { return v2_; }       // its about box ("version")
    // Beside the menus for a few seconds after a save into a copy: the name of the copy that
    // received the edits.
    [[nodiscard]] QLabel* SavedCopyNote() const { return savedCopyNote_; }

    // ---- Operations shared by several handlers ----

    void OpenCartridge();
    // Opens `path` as if it had been chosen in the open dialog: the same checks and messages.
    // True when the file is open and its first team shown.
    bool OpenCartridgeFile(const QString& path);
    [[nodiscard]] bool ShowTeam(int team);
    // Forgets the open image: the grids' data cells emptied, no path, no undo steps, the bare
    // caption. TeamBox keeps its entries and the one it shows, and a pick in it changes nothing
    // until an image is open again. Closing and every failed read of the image end here.
    void CloseCartridge();
    // True when the shown team was written into `target`; otherwise the refusal was shown.
    bool SaveTeam(const QString& target);
    void SaveCSV();
    void OutputHTML();
    // The file workflows (open, show, close, save), handed the parts of the window they change.
    [[nodiscard]] TFileController FileController();

    // ---- Handlers ----
    // MenuOpenClick, MenuSaveClick and MenuCloseClick are also the handlers of the tool buttons,
    // which trigger the same actions; the buttons have none of their own.

    void FormCreate();
    void MenuOpenClick();
    void TeamBoxChange();
    void MenuCloseClick();
    void MenuExitClick();
    void MenuSaveClick();
    void MenuSaveNewClick();
    void BatterTableRowMoved(int fromIndex, int toIndex);
    void PitcherTableRowMoved(int fromIndex, int toIndex);
    void Help2Click();
    void V2Click();
    void BatterTableClick();
    void PitcherTableClick();
    void HelmetButtonClick();
    void UniformButtonClick();
    void MenuSaveCSVClick();
    void MenuOutputHTMLClick();
    void MenuOutputLeagueOverviewClick();
    void MenuSaveLeagueCSVClick();
    void MenuSaveTeamJSONClick();
    void MenuSaveLeagueJSONClick();
    void MenuOutputPatchClick();
    void MenuImportCSVClick();
    void MenuImportLeagueCSVClick();
    void MenuImportSeasonClick();
    void MenuApplyPatchClick();
    void MenuCompareClick();
    void MenuImageInfoClick();
    void MenuPlayClick();
    void MenuCopyClick();
    void MenuPasteClick();

    // Applies the patch file `patchPath` to the open image into a new image file, as パッチ適用
    // does after its file dialog: the decision, the change list and its question, the save
    // dialog, the write and the question whether to open the new image. True when a new image
    // was written.
    bool ApplyPatchFile(const QString& patchPath);

    // The emulators started by ゲームで試す and their private copies of the image.
    [[nodiscard]] TPlayController& PlayController() const { return *playController_; }

    // The comparisons open beside the window, oldest first.
    [[nodiscard]] QList<TCompareWindow*> CompareWindows() const;

    // ---- Editing ----

    // The one door for edits of the shown team: every change to its cells, colours or order is
    // a step on this stack, so that it can be undone, and DataChanged() follows it.
    [[nodiscard]] QUndoStack& UndoStack() { return undoStack_; }
    void ApplyCellText(StringGrid* grid, int col, int row, const QString& text);
    void ApplyCellTexts(StringGrid* grid, std::vector<CellEditCommand::Cell> cells,
                        const QString& what);
    // Both team colours, as one step named `what`.
    void ApplyColors(teamdata::TeamColors colors, const QString& what);
    // The whole team at once (a team read from a CSV file), as one step.
    void ApplyTeam(const teamdata::TeamTexts& team, const QString& what);

    // The shown team's texts and colour bytes, as the grids and swatches hold them.
    [[nodiscard]] teamdata::TeamTexts TeamShown() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildControls();
    void BuildMenu();
    void BuildFileDialogs();
    void ClearDataCells();
    // True when an image is open; otherwise says so ("データがありません") and the command ends.
    [[nodiscard]] bool ImageOpenOrSayNoData();
    void SetSwatch(QFrame* swatch, const QColor& color);
    void WriteBatterLabels();
    void WritePitcherLabels();
    // Asks before unsaved edits would be dropped. True when the caller may go on; then the
    // edits count as given up.
    [[nodiscard]] bool ConfirmDiscardEdits();
    // Asks the same question, and changes nothing: for a command that gives up the edits only
    // once the image that replaces them is open, which may yet be refused.
    [[nodiscard]] bool EditsMayBeGivenUp();
    void TeamBoxTextEdited(const QString& text);
    void ShowTeamTexts(const teamdata::TeamTexts& team);
    void ShowColors(teamdata::TeamColors colors);
    void EditName(StringGrid* grid);
    // Shows the value dialog for the current cell; the confirmed value, or empty on Cancel.
    [[nodiscard]] std::optional<int> AskValue(StringGrid* grid,
                                              const teamdata::ValueColumn& column);
    // Which of the two grids `grid` is, for the names of its columns (EditCaptions.h).
    [[nodiscard]] teamdata::Grid GridOf(const StringGrid* grid) const;
    void PickTeamColor(bool helmet);
    void UpdateUndoActions();
    // An export of `kind` as the window asks for it: the shown team as the grids and swatches
    // hold it, the pages in the interface's language.
    [[nodiscard]] plans::ExportChoices ExportAsShown(plans::ExportKind kind) const;
    // The grid the clipboard commands work on: the focused one, or the one focused last.
    [[nodiscard]] StringGrid* ClipboardGrid() const;
    // The caption: the title, the open file's name, and Qt's marker while edits are unsaved.
    void ShowCaption();
    void ShowSavedCopyNote(const QString& copy);
    // Puts TeamBox back on the entry that stands for the grids (or, with no image open, on the
    // one it showed when the image was closed).
    void RestoreTeamBoxEntry();
    // Shows where a change of a comparison of `comparedImage` is: its team, through the team
    // switch and its question, and its cell made current. A change of no team shows nothing.
    void ShowChangePlace(const QString& comparedImage, const teamdata::LeagueChange& change);
    // Moves a new comparison window beside this one, where the screen has room.
    void PlaceBeside(QWidget* window) const;
    // The comparison and patch workflows, handed the window's place and its way to a change.
    [[nodiscard]] TExchangeController ExchangeController();

    QString filePath_;
    int chosenColorIndex_ = 0;
    QColor chosenColor_{0, 0, 0};
    TRomTeamData romTeamData_;
    int shownTeam_ = -1;
    // The TeamBox entry a refused pick returns to: the shown team's, or with no image open the
    // one shown when it was closed.
    int teamBoxEntry_ = -1;
    // A team switch is asking about unsaved edits: the focus leaving the team box for the
    // question must not start another.
    bool teamSwitchAsking_ = false;
    // The user agreed to open an image that does not look like this game's; saves may write it.
    bool questionableImageAccepted_ = false;
    QUndoStack undoStack_;
    StringGrid* clipboardGrid_ = nullptr;
    QMetaObject::Connection focusConnection_;

    QFrame* bevel1_ = nullptr;
    QToolButton* speedOpenButton_ = nullptr;
    QToolButton* speedUpdateButton_ = nullptr;
    QToolButton* speedCloseButton_ = nullptr;
    QToolButton* speedPlayButton_ = nullptr;
    QFrame* helmetColor_ = nullptr;
    QPushButton* helmetButton_ = nullptr;
    QFrame* uniformColor_ = nullptr;
    QPushButton* uniformButton_ = nullptr;
    QLabel* editTeamLabel_ = nullptr;
    QComboBox* teamBox_ = nullptr;
    StringGrid* batterTable_ = nullptr;
    StringGrid* pitcherTable_ = nullptr;

    QMenu* menuUpdate_ = nullptr;
    QAction* menuOpen_ = nullptr;
    QAction* menuClose_ = nullptr;
    QAction* menuSave_ = nullptr;
    QAction* menuSaveNew_ = nullptr;
    QMenu* o1_ = nullptr;
    QAction* menuSaveCSV_ = nullptr;
    QAction* menuOutputHTML_ = nullptr;
    QAction* menuSaveLeagueCSV_ = nullptr;
    QAction* menuOutputLeagueOverview_ = nullptr;
    QAction* menuSaveTeamJSON_ = nullptr;
    QAction* menuSaveLeagueJSON_ = nullptr;
    QAction* menuOutputPatch_ = nullptr;
    QMenu* i1_ = nullptr;
    QAction* menuImportCSV_ = nullptr;
    QAction* menuImportLeagueCSV_ = nullptr;
    QAction* menuImportSeason_ = nullptr;
    QAction* menuApplyPatch_ = nullptr;
    QAction* menuCompare_ = nullptr;
    QAction* menuImageInfo_ = nullptr;
    QAction* menuPlay_ = nullptr;
    QAction* menuExit_ = nullptr;
    QMenu* menuEdit_ = nullptr;
    QAction* menuUndo_ = nullptr;
    QAction* menuRedo_ = nullptr;
    QAction* menuCopy_ = nullptr;
    QAction* menuPaste_ = nullptr;
    QMenu* help1_ = nullptr;
    QAction* help2_ = nullptr;
    QAction* v2_ = nullptr;
    QLabel* savedCopyNote_ = nullptr;
    QTimer* savedCopyNoteTimer_ = nullptr;
    TPlayController* playController_ = nullptr;

    // The file dialogs, each described once.
    FileDialogSettings openDialog_;
    FileDialogSettings saveNewDialog_;
    FileDialogSettings saveCSVDialog_;
    FileDialogSettings saveHTMLDialog_;
    FileDialogSettings saveLeagueCSVDialog_;
    FileDialogSettings saveLeagueOverviewDialog_;
    FileDialogSettings saveTeamJSONDialog_;
    FileDialogSettings saveLeagueJSONDialog_;
    FileDialogSettings importCSVDialog_;
    FileDialogSettings importLeagueCSVDialog_;
    FileDialogSettings importSeasonDialog_;
    FileDialogSettings patchOriginalDialog_;
    FileDialogSettings savePatchDialog_;
    FileDialogSettings applyPatchDialog_;
    FileDialogSettings compareDialog_;
    FileDialogSettings savePatchedDialog_; // its file name is the open image's, made each time
};

extern TMainForm* MainForm;

// Creates the program's windows in their start-up order (main window, name keyboard, value
// dialog, about box, colour chooser) into their global instances, and destroys them again. The
// four dialogs make their controls when first shown; code that touches a dialog's controls
// before showing it calls its EnsureBuilt() first.
void CreateApplicationWindows();
void DestroyApplicationWindows();
