// SPDX-License-Identifier: MIT
#pragma once

#include "CsvReader.h"
#include "Import.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class TMainForm;

// CSV取込 and リーグCSV取込 once they have a file (from their dialogs, a drop or a paste): the
// plans decide, this class reads the file, asks and words, and pushes the one undo step or hands
// the writes to the safe image writer. TMainForm's handlers only hand their workflow over.
class TImportController {
public:
    explicit TImportController(TMainForm& window);

    // A file dropped was not chosen for the shown team, so its changes are asked about first.
    enum class TeamCsvQuestion { OnlyForAnotherTeam, ListChanges };

    void ImportTeamCsvFile(const QString& path,
                           TeamCsvQuestion question = TeamCsvQuestion::OnlyForAnotherTeam);
    // A team CSV planned for the shown team, applied as one step named `stepName`; `caption`
    // titles the lists of errors and notes and the question.
    // `rounded` plans the same file again with its numbers rounded, for 丸めて読み込む; without it
    // rounding is not offered.
    void ImportTeamCsv(const plans::TeamCsvPlan& plan, const QString& caption,
                       const QString& stepName,
                       TeamCsvQuestion question = TeamCsvQuestion::OnlyForAnotherTeam,
                       const std::function<plans::TeamCsvPlan()>& rounded = {});

    // What リーグCSV取込 checks and asks before it takes a file; true when it may go on.
    [[nodiscard]] bool LeagueImportMayStart();
    // The league import of the file at `path` into the open image, planned against the image as
    // it is on disk. Empty when it stops before its question; the user has been told why.
    struct LeagueImport {
        plans::ImportPlan plan;
        std::vector<std::uint8_t> image; // what the plan was made for
    };
    [[nodiscard]] std::optional<LeagueImport> PrepareLeagueImport(const QString& path);
    [[nodiscard]] std::optional<LeagueImport> PrepareLeagueImport(const QByteArray& bytes,
                                                                  bool round);
    // The whole of リーグCSV取込 once it has a file: planned, asked, written, the shown team
    // read again.
    void ImportLeagueCsvFile(const QString& path);
    // The same for a league file's bytes (a season's league too); `caption` titles its windows.
    // The errors offer 丸めて読み込む unless `round` is already given.
    void ImportLeagueCsv(const QByteArray& bytes, const QString& caption, bool round = false);

    // A .csv file dropped on the window: a league file goes to リーグCSV取込, anything else to
    // CSV取込, which says what is wrong with it if it is no team CSV either.
    void ImportDroppedCsv(const QString& path);

    // Lists the errors or notes of a CSV file, each at its line and column. With `offerRounding`
    // and errors that are all numbers rounding takes, offers 丸めて読み込む: true when chosen.
    bool ShowCsvIssues(const QString& caption, const QString& message,
                       const std::vector<reports::CsvIssue>& issues, bool offerRounding = false);

private:
    // Reads a file chosen for an import; empty (with the message shown) when it cannot be read.
    [[nodiscard]] std::optional<QByteArray> ReadImportFile(const QString& path);

    TMainForm& window_;
};
