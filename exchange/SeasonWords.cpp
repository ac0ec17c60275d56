// SPDX-License-Identifier: MIT
#include "SeasonWords.h"

#include "Files.h"
#include "League.h"
#include "TRomTeamData.h"
#include "TeamWords.h"

#include <QCoreApplication>

namespace exchange {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Season)
};

QString TeamName(int team) {
    if (team < 0 || team >= teamdata::TeamCount)
        return {};
    return QString::fromStdString(
        std::string(TRomTeamData::TeamInitials[static_cast<std::size_t>(team)]));
}

QString GridName(teamdata::Grid grid) {
    return grid == teamdata::Grid::Batters ? Texts::tr("batters") : Texts::tr("pitchers");
}

QString Number(double value) {
    return QString::number(value, 'g', 10);
}

} // namespace

bool IsRulesIssue(const plans::SeasonIssue& issue) {
    return issue.kind <= plans::SeasonIssueKind::UnknownInitials ||
           issue.kind == plans::SeasonIssueKind::UnknownStatistic;
}

QString DescribeSeasonIssue(const plans::SeasonIssue& issue) {
    using Kind = plans::SeasonIssueKind;
    const QString key = Shown(issue.key);
    const QString text = Shown(issue.text);
    switch (issue.kind) {
    case Kind::RulesSyntax:
        return Texts::tr("not TOML: %1").arg(QString::fromStdString(issue.text));
    case Kind::RulesCharacter:
        return Texts::tr("the character \"%1\" cannot be read in a rules file; write it "
                         "another way")
            .arg(Shown(issue.character));
    case Kind::UnknownRuleColumn:
        return Texts::tr("%1 names no column of the game").arg(key);
    case Kind::UnknownRuleKey:
        return Texts::tr("%1 is no setting of the rules").arg(key);
    case Kind::RuleWithoutSource:
        return Texts::tr("the rule for %1 names no statistic (statistic = \"...\") and no value")
            .arg(key);
    case Kind::RuleOfTwoKinds:
        return Texts::tr("the rule for %1 gives more than one of thresholds, rank and map")
            .arg(key);
    case Kind::ThresholdsOutOfOrder:
        return Texts::tr("the thresholds of %1 must rise; %2 comes after a threshold as high or "
                         "higher")
            .arg(key, text);
    case Kind::RuleValueRefused:
        return Texts::tr("%1 in the rule for %2: %3")
            .arg(text, key, DescribeCellRefusal(issue.refusal));
    case Kind::RuleValueNotText:
        return Texts::tr("%1 holds no value the rules can use").arg(key);
    case Kind::UnknownInitials:
        return Texts::tr("the team name %1 is mapped to %2, which are no team's initials")
            .arg(key, text);
    case Kind::SheetEmpty:
        return Texts::tr("the sheet is empty; its first line names the columns");
    case Kind::MissingIdentity:
        return Texts::tr("the first line has no column \"%1\"")
            .arg(QString::fromStdString(issue.expected));
    case Kind::UnknownTeam:
        return Texts::tr("%1 is neither a team's initials nor a team name of the rules").arg(text);
    case Kind::UnknownRole:
        return Texts::tr("%1 is no role; B or 打者 for a batter, P or 投手 for a pitcher")
            .arg(text);
    case Kind::NameInKanji:
        return Texts::tr("%1 is written in kanji (\"%2\"), which are read only when asked; ask "
                         "for readings, or write the name in kana or letters")
            .arg(text, Shown(issue.character));
    case Kind::NameRefused:
    case Kind::CellRefused:
        return Texts::tr("%1: %2").arg(text, DescribeCellRefusal(issue.refusal));
    case Kind::PlayerCount:
        return Texts::tr("team %1 has %2 %3; the game holds %4")
            .arg(TeamName(issue.team))
            .arg(issue.count)
            .arg(GridName(issue.grid))
            .arg(issue.expectedCount);
    case Kind::FieldingPositions:
        return Texts::tr("the first eight batters of team %1 do not hold the positions 2 to 9 once "
                         "each")
            .arg(TeamName(issue.team));
    case Kind::UnknownStatistic:
        return Texts::tr("the rule for %1 reads %2, which no column of the sheet is headed with")
            .arg(key, Shown(issue.expected));
    case Kind::StatisticNotANumber:
        return Texts::tr("%1 under %2 is no number, which the rule for %3 needs")
            .arg(text, Shown(issue.expected), key);
    case Kind::MissingStatistic:
        return Texts::tr("no %1 for this player, and the rule for %2 has no default")
            .arg(Shown(issue.expected), key);
    case Kind::UnmappedStatistic:
        return Texts::tr("%1 under %2 is not in the map of the rule for %3")
            .arg(text, Shown(issue.expected), key);
    case Kind::SheetNotText:
        return Texts::tr("the sheet is no text in UTF-8 or Shift_JIS");
    case Kind::UnclosedQuote:
        return Texts::tr("a quoted field opens here and is never closed");
    case Kind::TooManyLines:
        return Texts::tr("more than %1 lines, more than a league has players").arg(issue.count);
    case Kind::NameSpellingChanged:
        return Texts::tr("%1 is stored as %2").arg(text, Shown(issue.expected));
    case Kind::NameRead:
    case Kind::SameReading: {
        // Worded as the import words the same reading.
        reports::CsvIssue read;
        read.kind = issue.kind == Kind::NameRead ? reports::CsvIssueKind::NameRead
                                                 : reports::CsvIssueKind::SameReading;
        read.text = issue.text;
        read.expected = issue.expected;
        read.allowed = issue.readings;
        read.otherLine = issue.otherLine;
        return DescribeCsvIssue(read);
    }
    }
    return {};
}

QString ExplainValue(const plans::ValueExplanation& value) {
    using Source = plans::ValueSource;
    const QString statistic = Texts::tr("%1 = %2").arg(
        QString::fromStdString(value.statistic), QString::fromStdString(value.statisticValue));
    QString rule;
    switch (value.source) {
    case Source::SheetColumn:
        rule = Texts::tr("%1, the sheet's column").arg(statistic);
        break;
    case Source::Statistic:
        rule = Texts::tr("%1, the statistic itself").arg(statistic);
        break;
    case Source::Threshold:
        rule = Texts::tr("%1, threshold %2").arg(statistic, Number(value.threshold));
        break;
    case Source::Rank:
        rule =
            Texts::tr("%1, rank %2 of %3").arg(statistic).arg(value.rank).arg(value.rankedPlayers);
        break;
    case Source::Map:
        rule = Texts::tr("%1, the map").arg(statistic);
        break;
    case Source::Constant:
        rule = Texts::tr("one value for everyone");
        break;
    case Source::Default:
        rule = value.statistic.empty() || value.statisticValue.empty()
                   ? Texts::tr("no %1, the default").arg(QString::fromStdString(value.statistic))
                   : Texts::tr("%1, the default").arg(statistic);
        break;
    case Source::Kept:
        rule = Texts::tr("no rule, as the row held it");
        break;
    }
    if (value.rounded)
        rule += Texts::tr(", rounded");
    // Tab-separated, so that a script or a spreadsheet reads the columns back.
    return QStringList{TeamName(value.team),
                       GridName(value.grid),
                       QString::number(value.row),
                       QString::fromStdString(value.name),
                       ColumnName(value.grid, value.column),
                       rule,
                       QString::fromStdString(value.value)}
        .join(QLatin1Char('\t'));
}

} // namespace exchange
