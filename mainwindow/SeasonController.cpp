// SPDX-License-Identifier: MIT
#include "SeasonController.h"

#include "Mainunit.h"

#include "FileDialogs.h"
#include "Files.h"
#include "ImageFile.h"
#include "ImportController.h"
#include "IssueList.h"
#include "League.h"
#include "LeagueCsv.h"
#include "MessageDialogs.h"
#include "Season.h"
#include "SeasonWords.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(TSeasonController)
};

std::string_view View(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

std::optional<TSeasonController::SeasonLeagueRead>
TSeasonController::SeasonLeague(const QString& imagePath, const QString& sheetPath) {
    const QString caption = Texts::tr("Import Season Statistics");
    const exchange::InputFile sheet = exchange::ReadInputFile(sheetPath, exchange::MaxCsvFileSize);
    if (sheet.outcome != exchange::InputFile::Outcome::Read) {
        ShowError(parent_, Texts::tr("The file cannot be read."));
        return std::nullopt;
    }
    const QString rulesPath = QFileInfo(sheetPath).dir().filePath(RulesFileName);
    QByteArray rules = QByteArray::fromStdString(std::string(plans::DefaultSeasonRules()));
    if (QFileInfo::exists(rulesPath)) {
        exchange::InputFile read = exchange::ReadInputFile(rulesPath, exchange::MaxCsvFileSize);
        if (read.outcome != exchange::InputFile::Outcome::Read) {
            ShowError(parent_, Texts::tr("The rules %1 beside the sheet cannot be read.")
                                   .arg(exchange::Shown(rulesPath)));
            return std::nullopt;
        }
        rules = std::move(read.bytes);
    }
    const exchange::LoadedImage image = exchange::LoadImage(imagePath);
    if (image.Refused()) {
        ShowError(parent_, Texts::tr("The image cannot be read."));
        return std::nullopt;
    }
    const reports::LeagueTexts current = plans::LeagueTextsOf(image.bytes);
    ReadChoices chosen;
    plans::SeasonPlan plan =
        plans::PlanSeason(View(sheet.bytes), View(rules), current, exchange::DecodeTextBytes);
    while (!plan.errors.empty()) {
        std::vector<TIssueListDialog::Row> rows;
        for (const plans::SeasonIssue& issue : plan.errors) {
            TIssueListDialog::Row row{issue.line, issue.column, QString::fromStdString(issue.text),
                                      exchange::DescribeSeasonIssue(issue)};
            // The rules' lines are not the sheet's: the list says which file a line is of.
            if (exchange::IsRulesIssue(issue))
                row.lineCaption =
                    issue.line > 0
                        ? QStringLiteral("%1:%2").arg(RulesFileName, QString::number(issue.line))
                        : RulesFileName;
            rows.push_back(std::move(row));
        }
        TIssueListDialog dialog(caption, Texts::tr("Nothing was changed because of these errors."),
                                rows, parent_);
        // Names in kanji are the one thing reading the sheet again can take care of.
        const bool onlyKanji = std::all_of(
            plan.errors.begin(), plan.errors.end(), [](const plans::SeasonIssue& issue) {
                return issue.kind == plans::SeasonIssueKind::NameInKanji;
            });
        if (onlyKanji && !chosen.readKanji)
            dialog.OfferReadings();
        const std::optional<ReadChoices> next = ChosenAgain(dialog.exec(), chosen);
        if (!next)
            return std::nullopt;
        chosen = *next;
        plan = plans::PlanSeason(View(sheet.bytes), View(rules), current, exchange::DecodeTextBytes,
                                 KanjiReaderFor(chosen));
    }
    SeasonLeagueRead read{QByteArray::fromStdString(reports::BuildLeagueCsv(plan.league)), {}};
    for (const plans::SeasonIssue& note : plan.sheet.notes)
        if (note.kind == plans::SeasonIssueKind::NameRead ||
            note.kind == plans::SeasonIssueKind::SameReading)
            read.namesRead
                << Texts::tr("Line %1: %2").arg(note.line).arg(exchange::DescribeSeasonIssue(note));
    return read;
}

// The handler lives beside its workflow: TMainForm only starts it.
void TMainForm::MenuImportSeasonClick() {
    TImportController importer(*this);
    if (!importer.LeagueImportMayStart())
        return;
    const QString path = RunOpenDialog(this, importSeasonDialog_);
    if (path.isEmpty())
        return;
    // The season's league goes the league import's way: its question, its write.
    if (const std::optional<TSeasonController::SeasonLeagueRead> season =
            TSeasonController(this).SeasonLeague(filePath_, path))
        importer.ImportLeagueCsv(season->league, tr("Import Season Statistics"), {},
                                 season->namesRead);
}
