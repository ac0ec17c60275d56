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

std::optional<QByteArray> TSeasonController::SeasonLeague(const QString& imagePath,
                                                          const QString& sheetPath) {
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
    const plans::SeasonPlan plan =
        plans::PlanSeason(View(sheet.bytes), View(rules), plans::LeagueTextsOf(image.bytes),
                          exchange::DecodeTextBytes);
    if (!plan.errors.empty()) {
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
        dialog.exec();
        return std::nullopt;
    }
    return QByteArray::fromStdString(reports::BuildLeagueCsv(plan.league));
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
    if (const std::optional<QByteArray> league =
            TSeasonController(this).SeasonLeague(filePath_, path))
        importer.ImportLeagueCsv(*league, tr("Import Season Statistics"));
}
