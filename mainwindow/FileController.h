// SPDX-License-Identifier: MIT
#pragma once

#include "Open.h"
#include "Save.h"
#include "StringGrid.h"
#include "TRomTeamData.h"
#include "Team.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

class QComboBox;
class QUndoStack;
class QWidget;

// The window's file workflows: an image opened and its teams shown, the shown team saved, and
// the open image written over. The plans decide (plans/Open.h, plans/Save.h); this class reads
// and writes the files, asks and words, and TMainForm's handlers only hand their work over.
class TFileController {
public:
    // The parts of the window the workflows read and change.
    struct Window {
        QWidget* parent = nullptr;
        QString& filePath;
        // The user agreed to open an image that does not look like this game's; saves may write it.
        bool& questionableImageAccepted;
        int& shownTeam;
        int& teamBoxEntry;
        QComboBox* teamBox = nullptr;
        StringGrid* batterTable = nullptr;
        StringGrid* pitcherTable = nullptr;
        QUndoStack& undoStack;
        TRomTeamData& romTeamData;
        std::function<void(teamdata::TeamColors)> showColors;
        std::function<void()> clearDataCells;
        std::function<void()> showCaption;
    };

    explicit TFileController(Window window);

    // How an open ended: the image check's verdict, and whether the image is open now.
    struct Opened {
        plans::OpenVerdict verdict = plans::OpenVerdict::Refused;
        bool open = false;
    };

    // Opens `path` as the open dialog opens a file: the check, its question, the first team.
    Opened Open(const QString& path);
    // Reads team `team` into the grids and swatches; false (the message shown) when it cannot.
    [[nodiscard]] bool ShowTeam(int team);
    // Shows `team` as a pick in the team box does; a team that cannot be read closes the image.
    void SwitchTeam(int team);
    void Close();

    [[nodiscard]] teamdata::TeamTexts TeamShown() const;
    // The team the grids and colours hold.
    [[nodiscard]] static teamdata::TeamTexts
    TeamIn(const StringGrid& batters, const StringGrid& pitchers, teamdata::TeamColors colors);
    // True when the shown team was written into `target`; otherwise the refusal was shown.
    bool Save(const QString& target);
    // The image as a save would make it now, written into `target` by the save's own checks and
    // writer; the edits stay unsaved (Save() marks them saved). False (the refusal shown) when
    // nothing was written.
    bool WriteCopy(const QString& target);
    // 名前を付けて保存 once its dialog has a file. True when the edits went into a copy, not the
    // open image.
    bool SaveAs(const QString& target);

    // Writes `result` into `target`, made from `read`, the open image as it was read: when
    // `target` is the open image, only while it still holds exactly what was read. False (the
    // message shown) when nothing was written.
    bool WriteImageMadeFrom(std::span<const std::uint8_t> read,
                            std::span<const std::uint8_t> result, const QString& target);

    // The messages of a save refused for its texts, worded from what the plan found.
    [[nodiscard]] static QString UnsavableRowMessage(const plans::SavePlan& plan);
    [[nodiscard]] static QString PositionProblemsText(const teamdata::PositionProblems& problems);

private:
    // Reads the team's player records into the grids; false at the first unreadable record.
    [[nodiscard]] bool FillTeam(int team);
    // The checks of a save that come before any byte is written; the plan, or empty with the
    // refusal shown.
    [[nodiscard]] std::optional<plans::SavePlan> PlanSaveOrSayWhy();

    Window window_;
};
