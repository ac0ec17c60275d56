// SPDX-License-Identifier: MIT
#pragma once

#include "CellEditCommand.h"
#include "CellEditRules.h"
#include "CsvReader.h"
#include "FileDialogs.h"
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
class QToolButton;

// The editor's main window: the open image, the team on screen in two grids, and every command.
// Between showing and saving, the grid texts are the only working copy of the team's players.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // State of the editor.
    QString FilePath;         // the open image; empty when none is open
    int DataChanged = 0;      // 1 after an edit not yet saved
    int ChosenColorIndex = 0; // the last pick of the colour chooser
    QColor ChosenColor{0, 0, 0};
    TRomTeamData RomTeamData;

    // Controls.
    QFrame* Bevel1 = nullptr;
    QToolButton* SpeedOpenButton = nullptr;
    QToolButton* SpeedUpdateButton = nullptr;
    QToolButton* SpeedCloseButton = nullptr;
    QFrame* HelmetColor = nullptr;
    QPushButton* HelmetButton = nullptr;
    QFrame* UniformColor = nullptr;
    QPushButton* UniformButton = nullptr;
    QLabel* EditTeamLabel = nullptr;
    QComboBox* TeamBox = nullptr;
    StringGrid* BatterTable = nullptr;
    StringGrid* PitcherTable = nullptr;

    // Main menu.
    QMenu* MenuUpdate = nullptr;
    QAction* MenuOpen = nullptr;
    QAction* MenuClose = nullptr;
    QAction* MenuSave = nullptr;
    QAction* MenuSaveNew = nullptr;
    QMenu* O1 = nullptr;
    QAction* MenuSaveCSV = nullptr;
    QAction* MenuOutputHTML = nullptr;
    QAction* MenuSaveLeagueCSV = nullptr;
    QAction* MenuOutputPatch = nullptr;
    QMenu* I1 = nullptr;
    QAction* MenuImportCSV = nullptr;
    QAction* MenuImportLeagueCSV = nullptr;
    QAction* MenuExit = nullptr;
    QMenu* MenuEdit = nullptr;
    QAction* MenuUndo = nullptr;
    QAction* MenuRedo = nullptr;
    QMenu* Help1 = nullptr;
    QAction* Help2 = nullptr;
    QAction* V2 = nullptr;

    // File dialogs.
    FileDialogSettings OpenDialog;
    FileDialogSettings SaveNewDialog;
    FileDialogSettings SaveCSVDialog;
    FileDialogSettings SaveHTMLDialog;
    FileDialogSettings SaveLeagueCSVDialog;
    FileDialogSettings ImportCSVDialog;
    FileDialogSettings ImportLeagueCSVDialog;
    FileDialogSettings PatchOriginalDialog;
    FileDialogSettings SavePatchDialog;

    // Operations shared by several handlers.
    void OpenCartridge();
    // Opens `path` as if it had been chosen in the open dialog: the same checks and messages.
    // True when the file is open and its first team shown.
    bool OpenCartridgeFile(const QString& path);
    [[nodiscard]] bool ShowTeam(int team);
    void CloseCartridge();
    void SaveTeam(const QString& target);
    void SaveCSV();
    void OutputHTML();

    // Handlers.
    void FormCreate();
    void MenuOpenClick();
    void SpeedOpenButtonClick();
    void TeamBoxChange();
    void MenuCloseClick();
    void SpeedCloseButtonClick();
    void MenuExitClick();
    void MenuSaveClick();
    void SpeedUpdateButtonClick();
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
    void MenuSaveLeagueCSVClick();
    void MenuOutputPatchClick();
    void MenuImportCSVClick();
    void MenuImportLeagueCSVClick();

    // The team whose rows the grids hold (-1 when none). TeamBox always returns to it when a
    // switch is refused or a typed text names no team.
    [[nodiscard]] int ShownTeam() const { return shownTeam_; }

    // The one door for edits of the shown team: every change to its cells, colours or order is
    // a step on this stack, so that it can be undone, and DataChanged follows it.
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

private:
    void BuildControls();
    void BuildMenu();
    void ClearDataCells();
    // Reads the team's player records into the grids; false at the first unreadable record.
    [[nodiscard]] bool FillTeam(int team);
    void SetSwatch(QFrame* swatch, const QColor& color);
    void WriteBatterLabels();
    void WritePitcherLabels();
    // Asks before unsaved edits would be dropped. True when the caller may go on; then the
    // edits count as given up.
    [[nodiscard]] bool ConfirmDiscardEdits();
    void TeamBoxTextEdited(const QString& text);
    template <std::size_t N>
    void SetRowTexts(StringGrid* grid, int row, const std::array<std::string, N>& texts) {
        for (std::size_t c = 0; c < N; ++c)
            grid->SetCells(static_cast<int>(c) + 1, row, QString::fromStdString(texts[c]));
    }
    void ShowTeamTexts(const teamdata::TeamTexts& team);
    void ShowColors(teamdata::TeamColors colors);
    // The checks of a save that come before any byte is written; shows the refusal.
    [[nodiscard]] bool TeamReadyToSave();
    // The message of a save refused for a row's texts: the first name that cannot be stored,
    // with its grid and row, or the general one.
    [[nodiscard]] QString UnsavableRowMessage(const teamdata::TeamTexts& team) const;
    void EditName(StringGrid* grid);
    // Shows the value dialog for the current cell; the confirmed value, or empty on Cancel.
    [[nodiscard]] std::optional<int> AskValue(StringGrid* grid,
                                              const teamdata::ValueColumn& column);
    void PickTeamColor(bool helmet);
    void UpdateUndoActions();
    void WriteReport(const QString& path, const QByteArray& bytes);
    // The league as it stands: every team as the image holds it on disk, the shown team as the
    // grids and swatches hold it. Empty (with the message shown) when the image cannot be read.
    [[nodiscard]] std::optional<std::array<teamdata::TeamTexts, teamdata::TeamCount>> LeagueShown();
    // Reads a file chosen for an import; empty (with the message shown) when it cannot be read.
    [[nodiscard]] std::optional<QByteArray> ReadImportFile(const QString& path);
    // Lists the errors or notes of a CSV file, each at its line and column.
    void ShowCsvIssues(const QString& caption, const QString& message,
                       const std::vector<reports::CsvIssue>& issues);
    void RestoreTeamBoxEntry();

    int shownTeam_ = -1;
    // The user agreed to open an image that does not look like this game's; saves may write it.
    bool questionableImageAccepted_ = false;
    QUndoStack undoStack_;
};

extern TMainForm* MainForm;

// Creates the program's windows in their start-up order (main window, name keyboard, value
// dialog, about box, colour chooser) into their global instances, and destroys them again. The
// four dialogs make their controls when first shown; code that touches a dialog's controls
// before showing it calls its EnsureBuilt() first.
void CreateApplicationWindows();
void DestroyApplicationWindows();
