// SPDX-License-Identifier: MIT
#include "ImportController.h"

#include "Changes.h"
#include "EditCaptions.h"
#include "Files.h"
#include "ImageFile.h"
#include "IssueList.h"
#include "KanjiReader.h"
#include "League.h"
#include "Mainunit.h"
#include "MainunitShared.h"
#include "MessageDialogs.h"
#include "SafeImageWriter.h"

#include <algorithm>

using namespace mainunit;

namespace {

std::span<const std::uint8_t> BytesOf(const QByteArray& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

// Whether a number was rounded or a name read among the notes, which then say the cells were
// read as listed rather than speak of spellings.
bool AnyRounded(const std::vector<reports::CsvIssue>& notes) {
    return std::any_of(notes.begin(), notes.end(), [](const reports::CsvIssue& note) {
        return note.kind == reports::CsvIssueKind::ValueRounded ||
               note.kind == reports::CsvIssueKind::NameRead;
    });
}

// The names read from kanji, with the reading taken and the others, as the question before a
// write lists them: --dry-run's notes, in the window.
QStringList NamesRead(const std::vector<reports::CsvIssue>& notes) {
    QStringList lines;
    for (const reports::CsvIssue& note : notes)
        if (note.kind == reports::CsvIssueKind::NameRead ||
            note.kind == reports::CsvIssueKind::SameReading)
            lines << TMainForm::tr("Line %1: %2")
                         .arg(note.line)
                         .arg(exchange::DescribeCsvIssue(note));
    return lines;
}

// A name in kanji refused only for having no tile: reading it would take it.
bool ReadingTakes(const teamdata::CellProblem& problem) {
    return problem.refusal.kind == teamdata::CellRefusalKind::NameUnknownCharacter &&
           readings::ContainsKanji(problem.text);
}

std::vector<const teamdata::CellProblem*> CellsOf(const std::vector<reports::CsvIssue>& issues) {
    std::vector<const teamdata::CellProblem*> cells;
    for (const reports::CsvIssue& issue : issues)
        cells.push_back(issue.kind == reports::CsvIssueKind::CellRefused && issue.cell
                            ? &*issue.cell
                            : nullptr);
    return cells;
}

std::string_view TextOf(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

void OfferReadingAgain(TIssueListDialog& dialog,
                       const std::vector<const teamdata::CellProblem*>& problems,
                       const ReadChoices& chosen) {
    bool rounding = false, reading = false;
    for (const teamdata::CellProblem* problem : problems) {
        const bool rounds = problem && !chosen.round && teamdata::RoundingTakes(*problem);
        const bool reads = problem && !chosen.readKanji && ReadingTakes(*problem);
        if (!rounds && !reads)
            return;
        rounding = rounding || rounds;
        reading = reading || reads;
    }
    if (rounding)
        dialog.OfferRounding();
    if (reading)
        dialog.OfferReadings();
}

std::optional<ReadChoices> ChosenAgain(int answer, ReadChoices chosen) {
    if (answer == TIssueListDialog::RoundChosen)
        chosen.round = true;
    else if (answer == TIssueListDialog::ReadingsChosen)
        chosen.readKanji = true;
    else
        return std::nullopt;
    return chosen;
}

teamdata::KanjiNameReader KanjiReaderFor(const ReadChoices& chosen) {
    if (!chosen.readKanji)
        return {};
    return readings::KanjiNameReaderOf(readings::SharedKanjiReader());
}

TImportController::TImportController(TMainForm& window)
    : window_(window) {}

std::optional<QByteArray> TImportController::ReadImportFile(const QString& path) {
    exchange::InputFile input = exchange::ReadInputFile(path, exchange::MaxCsvFileSize);
    if (input.outcome != exchange::InputFile::Outcome::Read) {
        ShowError(&window_, TMainForm::tr("The file cannot be read."));
        return std::nullopt;
    }
    return std::move(input.bytes);
}

std::optional<ReadChoices>
TImportController::ShowCsvIssues(const QString& caption, const QString& message,
                                 const std::vector<reports::CsvIssue>& issues,
                                 std::optional<ReadChoices> offerBeyond) {
    std::vector<TIssueListDialog::Row> rows;
    for (const reports::CsvIssue& issue : issues)
        // A JSON file's places are pointers, shown in the line column.
        rows.push_back({issue.line, issue.column, QString::fromStdString(issue.text),
                        exchange::DescribeCsvIssue(issue),
                        !issue.pointer           ? QString()
                        : issue.pointer->empty() ? TMainForm::tr("the whole file")
                                                 : QString::fromStdString(*issue.pointer)});
    TIssueListDialog dialog(caption, message, rows, &window_);
    if (!offerBeyond) {
        dialog.exec();
        return std::nullopt;
    }
    OfferReadingAgain(dialog, CellsOf(issues), *offerBeyond);
    return ChosenAgain(dialog.exec(), *offerBeyond);
}

void TImportController::ImportTeamCsvFile(const QString& path, TeamCsvQuestion question) {
    const std::optional<QByteArray> bytes = ReadImportFile(path);
    if (!bytes)
        return;
    const auto plan = [&](ReadChoices chosen) {
        return plans::PlanTeamCsvImport(TextOf(*bytes), window_.TeamShown(), window_.ShownTeam(),
                                        exchange::DecodeTextBytes, chosen.round,
                                        KanjiReaderFor(chosen));
    };
    ImportTeamCsv(plan({}), TMainForm::tr("Import Team CSV"), StepName(EditStep::TeamCsvImport),
                  question, plan);
}

void TImportController::ImportTeamCsv(const plans::TeamCsvPlan& plan, const QString& caption,
                                      const QString& stepName, TeamCsvQuestion question,
                                      const std::function<plans::TeamCsvPlan(ReadChoices)>& again,
                                      ReadChoices chosen) {
    switch (plan.decision) {
    case plans::TeamCsvDecision::Refused:
        if (const std::optional<ReadChoices> next = ShowCsvIssues(
                caption, TMainForm::tr("Nothing was imported because of these errors."),
                plan.read.errors, again ? std::optional(chosen) : std::nullopt))
            ImportTeamCsv(again(*next), caption, stepName, question, again, *next);
        return;
    case plans::TeamCsvDecision::NotOneTeam:
        ShowError(&window_, TMainForm::tr("A team CSV import reads a file of one team. Import "
                                          "this one as a league CSV."));
        return;
    case plans::TeamCsvDecision::Apply:
        break;
    }
    const reports::ImportedTeam& team = plan.Team();
    const int shownTeam = window_.ShownTeam();
    if (question == TeamCsvQuestion::ListChanges) {
        const exchange::LoadedImage image = exchange::LoadImage(window_.FilePath());
        if (image.Refused()) {
            ShowError(&window_, SourceUnreadableMessage());
            return;
        }
        const std::vector<teamdata::LeagueChange> changes =
            plans::ShownTeamChanges(image.bytes, shownTeam, window_.TeamShown(), team.texts);
        const QString shown = exchange::TeamInitialsText(shownTeam);
        if (changes.empty()) {
            MessageDlg(&window_,
                       TMainForm::tr("This file holds what team %1 shows; nothing was changed.")
                           .arg(shown),
                       MessageKind::Confirmation, MessageButtons::Ok);
            return;
        }
        QStringList message;
        if (plan.ForAnotherTeam(shownTeam))
            message << TMainForm::tr("This file holds team %1.")
                           .arg(exchange::TeamInitialsText(team.team));
        message << TMainForm::tr("It replaces team %1, which is shown, as listed below. Nothing "
                                 "is written to the image until you save.")
                       .arg(shown)
                << NamesRead(plan.read.notes) << TMainForm::tr("Go on?");
        if (!AskAboutChanges(&window_, caption, message.join(QLatin1Char('\n')), changes))
            return;
    } else if (plan.ForAnotherTeam(shownTeam) &&
               !AskYesNo(&window_,
                         TMainForm::tr("This file holds team %1. Import it into team %2, which "
                                       "is shown?")
                             .arg(exchange::TeamInitialsText(team.team),
                                  exchange::TeamInitialsText(shownTeam)),
                         MessageResult::No))
        return;
    // One step on the undo stack; nothing reaches the image until the user saves.
    window_.ApplyTeam(team.texts, stepName);
    if (!plan.read.notes.empty())
        ShowCsvIssues(caption,
                      AnyRounded(plan.read.notes)
                          ? TMainForm::tr("Imported. These cells were read as listed.")
                          : TMainForm::tr("Imported. These names were changed to the way the "
                                          "game writes them."),
                      plan.read.notes);
}

bool TImportController::LeagueImportMayStart() {
    if (!window_.ImageOpenOrSayNoData())
        return false;
    // The shown team is read again from the image afterwards, as a team switch would. Until the
    // import has been written, the edits stay on screen and still count as unsaved.
    return window_.DataChanged() != 1 ||
           AskYesNo(&window_, UnsavedEditsQuestion(), MessageResult::No);
}

std::optional<TImportController::LeagueImport>
TImportController::PrepareLeagueImport(const QString& path) {
    const std::optional<QByteArray> bytes = ReadImportFile(path);
    if (!bytes)
        return std::nullopt;
    return PrepareLeagueImport(*bytes, ReadChoices{});
}

std::optional<TImportController::LeagueImport>
TImportController::PrepareLeagueImport(const QByteArray& bytes, ReadChoices chosen) {
    exchange::LoadedImage image = exchange::LoadImage(window_.FilePath());
    if (image.Refused()) {
        ShowError(&window_, SourceUnreadableMessage());
        return std::nullopt;
    }
    LeagueImport import;
    plans::ImportChoices how{std::nullopt, exchange::DecodeTextBytes};
    how.round = chosen.round;
    how.readKanji = KanjiReaderFor(chosen);
    import.plan = plans::PlanImport(image.bytes, BytesOf(bytes), how);
    import.image = std::move(image.bytes);
    return import;
}

void TImportController::ImportLeagueCsvFile(const QString& path) {
    if (const std::optional<QByteArray> bytes = ReadImportFile(path))
        ImportLeagueCsv(*bytes, TMainForm::tr("Import League CSV"));
}

void TImportController::ImportLeagueCsv(const QByteArray& bytes, const QString& caption,
                                        ReadChoices chosen, const QStringList& readNames) {
    const std::optional<LeagueImport> import = PrepareLeagueImport(bytes, chosen);
    if (!import)
        return;
    const plans::ImportPlan& plan = import->plan;
    const reports::CsvImport& read = plan.read;
    if (!read.errors.empty()) {
        if (const std::optional<ReadChoices> next = ShowCsvIssues(
                caption, TMainForm::tr("Nothing was changed because of these errors."), read.errors,
                chosen))
            ImportLeagueCsv(bytes, caption, *next, readNames);
        return;
    }
    const std::vector<teamdata::TeamWrite>& writes = plan.writes;
    if (writes.empty()) {
        MessageDlg(&window_, TMainForm::tr("No team needs to be rewritten."),
                   MessageKind::Confirmation, MessageButtons::Ok);
        return;
    }
    const int teams = static_cast<int>(writes.size());
    // Every change is listed before anything is written: a spreadsheet may have changed cells
    // the user never touched (a name of digits read as a number, for one).
    QStringList question = {
        TMainForm::tr("The data of %n team(s) will be rewritten as listed below, and the image "
                      "file is written at once.",
                      nullptr, teams)};
    question << exchange::TeamSummaries(plan.changes) << readNames << NamesRead(read.notes)
             << TMainForm::tr("Go on?");
    if (!AskAboutChanges(&window_, caption, question.join(QLatin1Char('\n')), plan.changes))
        return;
    const QString& imagePath = window_.FilePath();
    teamdata::ImageWriteRequest request;
    request.source = exchange::NativePath(imagePath);
    request.target = request.source;
    request.teams = writes;
    request.acceptQuestionable = window_.questionableImageAccepted_;
    // The question was answered for the image as it was read; should anything have changed it
    // since, nothing is written.
    request.expectedSource = std::span<const std::uint8_t>(import->image);
    if (const teamdata::ImageWriteResult result = teamdata::WriteImage(request);
        !result.Written()) {
        ShowError(&window_, WithDetail(CannotSaveMessage(), exchange::DescribeWriteFailure(
                                                                result, imagePath, imagePath)));
        return;
    } else {
        ShowWriteAftermath(&window_, result.aftermath, imagePath);
    }
    // The written teams are what the image holds now; the shown one is read again.
    if (!window_.ShowTeam(window_.ShownTeam()))
        window_.CloseCartridge();
    if (!read.notes.empty())
        ShowCsvIssues(caption,
                      AnyRounded(read.notes)
                          ? TMainForm::tr("%n team(s) rewritten. These cells were read as listed.",
                                          nullptr, teams)
                          : TMainForm::tr("%n team(s) rewritten. These names were changed to the "
                                          "way the game writes them.",
                                          nullptr, teams),
                      read.notes);
    else
        MessageDlg(&window_, TMainForm::tr("%n team(s) rewritten.", nullptr, teams),
                   MessageKind::Confirmation, MessageButtons::Ok);
}

void TImportController::ImportDroppedCsv(const QString& path) {
    if (!window_.ImageOpenOrSayNoData())
        return;
    // A league file has team lines; any other file goes to CSV取込, which says what is wrong
    // with it if it is no team CSV either.
    bool leagueFile = false;
    const exchange::InputFile input = exchange::ReadInputFile(path, exchange::MaxCsvFileSize);
    if (input.outcome == exchange::InputFile::Outcome::Read)
        leagueFile = plans::PlanTeamCsvImport(TextOf(input.bytes), window_.TeamShown(),
                                              window_.ShownTeam(), exchange::DecodeTextBytes)
                         .read.leagueFile;
    if (!leagueFile) {
        ImportTeamCsvFile(path, TeamCsvQuestion::ListChanges);
        return;
    }
    if (LeagueImportMayStart())
        ImportLeagueCsvFile(path);
}
