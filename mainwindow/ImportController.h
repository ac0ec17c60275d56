// SPDX-License-Identifier: MIT
#pragma once

#include "CsvReader.h"
#include "Import.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class TIssueListDialog;
class TMainForm;

// What a refused file or paste is read again with, as the user chose in its list of errors: the
// next list keeps what was chosen and offers only the rest.
struct ReadChoices {
    bool round = false;     // 丸めて読み込む
    bool readKanji = false; // 読みを付けて読み込む
};

// Offers on `dialog` what reading again would take care of: rounding when every problem is a
// number rounding takes or a name in kanji, readings when every problem is a name in kanji or
// such a number, each only when some problem needs it and it was not chosen yet. A null problem
// is one neither takes, and nothing is offered.
void OfferReadingAgain(TIssueListDialog& dialog,
                       const std::vector<const teamdata::CellProblem*>& problems,
                       const ReadChoices& chosen);
// The choices to read again with after the list's answer `answer`; empty when none was chosen.
[[nodiscard]] std::optional<ReadChoices> ChosenAgain(int answer, ReadChoices chosen);
// The window's kanji reader when readings were chosen, else none.
[[nodiscard]] teamdata::KanjiNameReader KanjiReaderFor(const ReadChoices& chosen);

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
    // `again` plans the same file again with what the user chose in the list of errors, for
    // 丸めて読み込む and 読みを付けて読み込む; without it neither is offered. `chosen` is what
    // `plan` was made with.
    void ImportTeamCsv(const plans::TeamCsvPlan& plan, const QString& caption,
                       const QString& stepName,
                       TeamCsvQuestion question = TeamCsvQuestion::OnlyForAnotherTeam,
                       const std::function<plans::TeamCsvPlan(ReadChoices)>& again = {},
                       ReadChoices chosen = {});

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
                                                                  ReadChoices chosen);
    // The whole of リーグCSV取込 once it has a file: planned, asked, written, the shown team
    // read again.
    void ImportLeagueCsvFile(const QString& path);
    // The same for a league file's bytes (a season's league too); `caption` titles its windows.
    // The errors offer 丸めて読み込む and 読みを付けて読み込む unless already `chosen`.
    // `readNames` are the names a season sheet read before (their notes), listed with the
    // changes.
    void ImportLeagueCsv(const QByteArray& bytes, const QString& caption, ReadChoices chosen = {},
                         const QStringList& readNames = {});

    // A .csv file dropped on the window: a league file goes to リーグCSV取込, anything else to
    // CSV取込, which says what is wrong with it if it is no team CSV either.
    void ImportDroppedCsv(const QString& path);

    // Lists the errors or notes of a CSV file, each at its line and column. With `offerBeyond`,
    // offers reading again (OfferReadingAgain) beyond what it holds: what was chosen then.
    std::optional<ReadChoices> ShowCsvIssues(const QString& caption, const QString& message,
                                             const std::vector<reports::CsvIssue>& issues,
                                             std::optional<ReadChoices> offerBeyond = {});

private:
    // Reads a file chosen for an import; empty (with the message shown) when it cannot be read.
    [[nodiscard]] std::optional<QByteArray> ReadImportFile(const QString& path);

    TMainForm& window_;
};
