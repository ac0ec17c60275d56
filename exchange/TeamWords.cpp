// SPDX-License-Identifier: MIT
#include "TeamWords.h"

#include "CellEditRules.h"
#include "Columns.h"
#include "NameNormalizer.h"
#include "Translations.h"

#include <QCoreApplication>
#include <QTranslator>

#include <array>
#include <utility>
#include <vector>

namespace exchange {

namespace {

QString Word(const char* text, const char* disambiguation = nullptr) {
    return QCoreApplication::translate("TeamWords", text, disambiguation);
}

// A source text with the disambiguation that tells it apart from the same text elsewhere, as
// QT_TRANSLATE_NOOP3 marks it.
struct Marked {
    const char* source;
    const char* disambiguation;
};

QString Word(Marked text) {
    return Word(text.source, text.disambiguation);
}

std::string StdWord(const char* text) {
    return Word(text).toStdString();
}

struct ColumnWords {
    // The column's name, the teamdata::Column's word.
    const char* name;
    // What the header's tooltip says: the column's name in full, for a fan who does not know the
    // short word (and in Japanese for the headers the column cuts off).
    const char* fullName;
    Marked valueCaption = {nullptr, nullptr}; // the name when there is none
    // The grid header's word, where the name is too wide for the column; the name when there is
    // none.
    Marked header = {nullptr, nullptr};
};

namespace Batter = teamdata::BatterColumn;
namespace Pitcher = teamdata::PitcherColumn;

// The words of the columns of both grids, found by the column's word; the name and the
// popularity columns of the two grids share theirs. The grid headers are as wide as the Japanese
// headers need, so these words are short: each fits its column in the window (a test measures
// them).
constexpr ColumnWords Words[] = {
    {QT_TRANSLATE_NOOP("TeamWords", "Name"), QT_TRANSLATE_NOOP("TeamWords", "Player name")},
    {QT_TRANSLATE_NOOP("TeamWords", "Bats"),
     QT_TRANSLATE_NOOP("TeamWords", "Batting side: right, left or switch")},
    {QT_TRANSLATE_NOOP("TeamWords", "Popularity"),
     QT_TRANSLATE_NOOP("TeamWords", "Popularity with the fans"),
     {nullptr, nullptr},
     //: The popularity column's header: a star, since no word fits its 21 pixels.
     QT_TRANSLATE_NOOP3("TeamWords", "★", "the popularity column's header")},
    {QT_TRANSLATE_NOOP("TeamWords", "Pos"),
     QT_TRANSLATE_NOOP("TeamWords", "Fielding position: 1 pitcher, 2 catcher, 3 first base, 4 "
                                    "second base, 5 third base, 6 shortstop, 7 left, 8 center, 9 "
                                    "right field")},
    {QT_TRANSLATE_NOOP("TeamWords", "AVG"), QT_TRANSLATE_NOOP("TeamWords", "Batting average"),
     QT_TRANSLATE_NOOP3("TeamWords", "AVG", "value dialog")},
    {QT_TRANSLATE_NOOP("TeamWords", "HR"), QT_TRANSLATE_NOOP("TeamWords", "Home run power")},
    {QT_TRANSLATE_NOOP("TeamWords", "Speed"), QT_TRANSLATE_NOOP("TeamWords", "Running speed")},
    {QT_TRANSLATE_NOOP("TeamWords", "Fielding"), QT_TRANSLATE_NOOP("TeamWords", "Fielding skill")},
    {QT_TRANSLATE_NOOP("TeamWords", "Arm"), QT_TRANSLATE_NOOP("TeamWords", "Throwing arm")},
    {QT_TRANSLATE_NOOP("TeamWords", "Style"),
     QT_TRANSLATE_NOOP("TeamWords", "Pitching style: throwing arm and delivery")},
    {QT_TRANSLATE_NOOP("TeamWords", "ERA"), QT_TRANSLATE_NOOP("TeamWords", "Earned run average")},
    {QT_TRANSLATE_NOOP("TeamWords", "Stamina"), QT_TRANSLATE_NOOP("TeamWords", "Stamina")},
    {QT_TRANSLATE_NOOP("TeamWords", "Fast"),
     QT_TRANSLATE_NOOP("TeamWords", "Speed of the fastball")},
    {QT_TRANSLATE_NOOP("TeamWords", "Medium"),
     QT_TRANSLATE_NOOP("TeamWords", "Speed of the medium pitch")},
    {QT_TRANSLATE_NOOP("TeamWords", "Slow"),
     QT_TRANSLATE_NOOP("TeamWords", "Speed of the slow pitch")},
    {QT_TRANSLATE_NOOP("TeamWords", "R Brk"),
     QT_TRANSLATE_NOOP("TeamWords", "Right break: how far the breaking ball moves to the right"),
     QT_TRANSLATE_NOOP3("TeamWords", "R Brk", "value dialog")},
    {QT_TRANSLATE_NOOP("TeamWords", "L Brk"),
     QT_TRANSLATE_NOOP("TeamWords", "Left break: how far the breaking ball moves to the left"),
     QT_TRANSLATE_NOOP3("TeamWords", "L Brk", "value dialog")},
    {QT_TRANSLATE_NOOP("TeamWords", "Fork"),
     QT_TRANSLATE_NOOP("TeamWords", "Forkball: how far it drops")},
};

const ColumnWords* WordsOf(teamdata::Grid grid, int column) {
    const teamdata::Column* found = teamdata::ColumnOf(grid, column);
    if (!found)
        return nullptr;
    for (const ColumnWords& words : Words)
        if (found->word == words.name)
            return &words;
    return nullptr;
}

struct LabelEntry {
    std::string_view label;
    Marked word;
};

// The batting sides, then the pitching styles. A word stands for one label only, so that a word
// read back (a pasted cell) means one label whichever of the two columns it lands in; the plain
// right- and left-handed styles are the sides' R and L, as their Japanese labels are the sides'.
const std::array<LabelEntry, 11> Labels = {{
    //: A grid cell gives a batting side or a pitching style 33 pixels.
    {teamdata::SideRight, QT_TRANSLATE_NOOP3("TeamWords", "R", "batting side 右")},
    {teamdata::SideLeft, QT_TRANSLATE_NOOP3("TeamWords", "L", "batting side 左")},
    {teamdata::SideBoth, QT_TRANSLATE_NOOP3("TeamWords", "S", "batting side 両: switch hitter")},
    {"右横", QT_TRANSLATE_NOOP3("TeamWords", "R Sd", "pitching style 右横: right-handed sidearm")},
    {"左横", QT_TRANSLATE_NOOP3("TeamWords", "L Sd", "pitching style 左横: left-handed sidearm")},
    {"右下", QT_TRANSLATE_NOOP3("TeamWords", "R Sub",
                                "pitching style 右下: right-handed underhand (submarine)")},
    {"左下", QT_TRANSLATE_NOOP3("TeamWords", "L Sub",
                                "pitching style 左下: left-handed underhand (submarine)")},
    {"右ま", QT_TRANSLATE_NOOP3("TeamWords", "R Axe",
                                "pitching style 右ま: right-handed masakari (tomahawk) windup")},
    {"左ま", QT_TRANSLATE_NOOP3("TeamWords", "L Axe",
                                "pitching style 左ま: left-handed masakari (tomahawk) windup")},
    {"右背", QT_TRANSLATE_NOOP3("TeamWords", "R Bck",
                                "pitching style 右背: right-handed behind-the-back delivery")},
    {"左背", QT_TRANSLATE_NOOP3("TeamWords", "L Bck",
                                "pitching style 左背: left-handed behind-the-back delivery")},
}};

//: The grid's corner gives the grid's name 21 pixels.
constexpr Marked BatterCorner = QT_TRANSLATE_NOOP3("TeamWords", "Bat", "the batter grid's corner");
constexpr Marked PitcherCorner =
    QT_TRANSLATE_NOOP3("TeamWords", "Pit", "the pitcher grid's corner");
const char* const BatterCornerTip =
    QT_TRANSLATE_NOOP("TeamWords", "Batters: 1 to 8 the batting order, P1 to P5 the bench");
const char* const PitcherCornerTip = QT_TRANSLATE_NOOP("TeamWords", "Pitchers");

bool IsLabelColumn(teamdata::Grid grid, int column) {
    const teamdata::Column* found = teamdata::ColumnOf(grid, column);
    return found && (found->kind == teamdata::ColumnKind::Side ||
                     found->kind == teamdata::ColumnKind::Style);
}

bool ShowsData() {
    return InterfaceLanguage() == Language::Japanese;
}

template <std::size_t Count> std::array<std::string, Count> ColumnNames(teamdata::Grid grid) {
    std::array<std::string, Count> names;
    for (std::size_t column = 1; column <= Count; ++column)
        names[column - 1] = ColumnName(grid, static_cast<int>(column)).toStdString();
    return names;
}

template <std::size_t Count> std::vector<std::string> HeaderRow(teamdata::Grid grid) {
    const std::array<std::string, Count> names = ColumnNames<Count>(grid);
    return {names.begin(), names.end()};
}

} // namespace

QString ColumnName(teamdata::Grid grid, int column) {
    const ColumnWords* words = WordsOf(grid, column);
    return words ? Word(words->name) : QString();
}

QString ColumnHeaderWord(teamdata::Grid grid, int column) {
    const ColumnWords* words = WordsOf(grid, column);
    if (!words)
        return {};
    return words->header.source ? Word(words->header) : Word(words->name);
}

QString ColumnToolTip(teamdata::Grid grid, int column) {
    if (column == 0)
        return Word(grid == teamdata::Grid::Batters ? BatterCornerTip : PitcherCornerTip);
    const ColumnWords* words = WordsOf(grid, column);
    return words ? Word(words->fullName) : QString();
}

QString ValueCaption(teamdata::Grid grid, int column) {
    const ColumnWords* words = WordsOf(grid, column);
    if (!words)
        return {};
    return words->valueCaption.source ? Word(words->valueCaption) : Word(words->name);
}

QString LabelWord(std::string_view label) {
    if (!ShowsData())
        for (const LabelEntry& words : Labels)
            if (words.label == label)
                return Word(words.word);
    return QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()));
}

QString ShownName(const QString& name) {
    return QString::fromStdString(teamdata::NameForDisplay(name.toStdString()));
}

QString ShownCellText(teamdata::Grid grid, int column, int row, const QString& data) {
    if (row > 0 && column == teamdata::BatterColumn::Name)
        return ShownName(data);
    if (ShowsData() || data.isEmpty())
        return data;
    if (row == 0) {
        if (column == 0)
            return Word(grid == teamdata::Grid::Batters ? BatterCorner : PitcherCorner);
        return ColumnHeaderWord(grid, column);
    }
    if (IsLabelColumn(grid, column))
        return LabelWord(data.toStdString());
    return data;
}

reports::LabelSpellings PastedLabelSpellings() {
    // Rows copied under one language are pasted under another: the words of each come from its
    // own translation, whichever is installed. Each language's translation is read once.
    static const std::vector<std::pair<std::string, std::string>> spellings = [] {
        std::vector<std::pair<std::string, std::string>> words;
        for (const Language language : {Language::Japanese, Language::English}) {
            QTranslator translator;
            if (!translator.load(QStringLiteral("tolvanek_") + LanguageCode(language),
                                 QStringLiteral(":/i18n")))
                continue;
            for (const LabelEntry& entry : Labels) {
                const QString word =
                    translator.translate("TeamWords", entry.word.source, entry.word.disambiguation);
                if (!word.isEmpty() && word.toStdString() != entry.label)
                    words.emplace_back(word.toStdString(), std::string(entry.label));
            }
        }
        return words;
    }();
    return {spellings.begin(), spellings.end()};
}

reports::LabelWords InterfaceLabelWords() {
    reports::LabelWords words;
    if (!ShowsData())
        for (const LabelEntry& entry : Labels)
            words.emplace(std::string(entry.label), Word(entry.word).toStdString());
    return words;
}

reports::TeamReportLabels InterfaceTeamReportLabels() {
    if (ShowsData())
        return {};
    reports::TeamReportLabels labels;
    labels.teamName = StdWord(QT_TRANSLATE_NOOP("TeamWords", "Team %1"));
    labels.batterCaption = StdWord(
        QT_TRANSLATE_NOOP("TeamWords", "[Batters] Team AVG %1 / Team HR %2 / Team Speed %3"));
    labels.pitcherCaption =
        StdWord(QT_TRANSLATE_NOOP("TeamWords", "[Pitchers] Team ERA %1 / Average Fast %2"));
    labels.batterHeaders = HeaderRow<9>(teamdata::Grid::Batters);
    labels.pitcherHeaders = HeaderRow<11>(teamdata::Grid::Pitchers);
    labels.labelWords = InterfaceLabelWords();
    return labels;
}

reports::OverviewLabels InterfaceOverviewLabels() {
    if (ShowsData())
        return {};
    using teamdata::Grid;
    // A figure's note names its column by the column's word; the half-up rounding is said once.
    const auto note = [](const char* rule, const QString& word) {
        return Word(rule).arg(word).toStdString();
    };
    std::string rounded(1, ' ');
    rounded += Word(QT_TRANSLATE_NOOP("TeamWords", "Rounded half up to tenths.")).toStdString();
    const QString average = ColumnName(Grid::Batters, Batter::Average);
    const QString homeRuns = ColumnName(Grid::Batters, Batter::HomeRuns);
    const QString speed = ColumnName(Grid::Batters, Batter::Speed);
    const QString fielding = ColumnName(Grid::Batters, Batter::Fielding);
    const QString arm = ColumnName(Grid::Batters, Batter::Arm);
    const QString popularity = ColumnName(Grid::Batters, Batter::Popularity);
    const QString era = ColumnName(Grid::Pitchers, Pitcher::Era);
    const QString stamina = ColumnName(Grid::Pitchers, Pitcher::Stamina);
    const QString fast = ColumnName(Grid::Pitchers, Pitcher::Fast);
    const QString rightBreak = ColumnName(Grid::Pitchers, Pitcher::RightBreak);
    const QString leftBreak = ColumnName(Grid::Pitchers, Pitcher::LeftBreak);
    const QString fork = ColumnName(Grid::Pitchers, Pitcher::Fork);
    const char* batterMean = QT_TRANSLATE_NOOP("TeamWords", "Mean %1 of the 13 batters.");
    const char* pitcherMean = QT_TRANSLATE_NOOP("TeamWords", "Mean %1 of the 5 pitchers.");
    const char* pitcherSum = QT_TRANSLATE_NOOP("TeamWords", "Sum of the %1 of the 5 pitchers.");

    reports::OverviewLabels labels;
    labels.language = LanguageCode(InterfaceLanguage()).toStdString();
    labels.title = StdWord(QT_TRANSLATE_NOOP("TeamWords", "League Overview"));
    labels.tableHeading = StdWord(QT_TRANSLATE_NOOP("TeamWords", "The 16 Teams Compared"));
    labels.teamColumn = StdWord(QT_TRANSLATE_NOOP("TeamWords", "Team"));
    labels.rank = Word(QT_TRANSLATE_NOOP3("TeamWords", "#%1", "a team's rank")).toStdString();
    labels.colors = StdWord(QT_TRANSLATE_NOOP("TeamWords", "helmet %1, uniform %2"));
    labels.notesHeading = StdWord(QT_TRANSLATE_NOOP("TeamWords", "How the Figures Are Computed"));
    labels.rankNote = StdWord(QT_TRANSLATE_NOOP(
        "TeamWords", "After each figure comes the team's rank among the 16 teams. #1 is the best; "
                     "for ERA alone, lower is better. Teams with the same value share a rank, and "
                     "the next rank skips as many places."));
    labels.chartsHeading = StdWord(QT_TRANSLATE_NOOP("TeamWords", "Charts"));
    labels.barChartDescription = StdWord(QT_TRANSLATE_NOOP("TeamWords", "%1, best first: %2."));
    labels.barItem =
        Word(QT_TRANSLATE_NOOP3("TeamWords", "%1 %2 (%3)", "initials, value and rank of a bar"))
            .toStdString();
    labels.listSeparator =
        Word(QT_TRANSLATE_NOOP3("TeamWords", ", ", "between the bars of a chart")).toStdString();
    labels.scatterTitle = StdWord(QT_TRANSLATE_NOOP("TeamWords", "Hitting and Pitching"));
    labels.scatterDescription =
        StdWord(QT_TRANSLATE_NOOP("TeamWords", "Team AVG across, team ERA upwards: %1."));
    labels.scatterItem = StdWord(QT_TRANSLATE_NOOP("TeamWords", "%1 AVG %2, ERA %3"));
    labels.scatterXAxis = StdWord(QT_TRANSLATE_NOOP("TeamWords", "Team AVG (higher to the right)"));
    labels.scatterYAxis = StdWord(QT_TRANSLATE_NOOP("TeamWords", "Team ERA (lower to the top)"));
    labels.rostersHeading = StdWord(QT_TRANSLATE_NOOP("TeamWords", "Rosters"));
    labels.teamName = StdWord(QT_TRANSLATE_NOOP("TeamWords", "Team %1"));
    labels.batters = StdWord(QT_TRANSLATE_NOOP("TeamWords", "Batters"));
    labels.pitchers = StdWord(QT_TRANSLATE_NOOP("TeamWords", "Pitchers"));
    labels.batterColumns = ColumnNames<9>(Grid::Batters);
    labels.pitcherColumns = ColumnNames<11>(Grid::Pitchers);
    labels.labelWords = InterfaceLabelWords();
    labels.figures = {{
        {average.toStdString(),
         note(QT_TRANSLATE_NOOP("TeamWords", "Mean %1 of the 13 batters, cut after the third "
                                             "decimal as on the team's HTML page."),
              average)},
        {homeRuns.toStdString(),
         note(QT_TRANSLATE_NOOP("TeamWords", "Sum of the %1 of the 13 batters."), homeRuns)},
        {speed.toStdString(),
         note(QT_TRANSLATE_NOOP("TeamWords", "Mean %1 of the 13 batters, cut to a whole number "
                                             "as on the team's HTML page."),
              speed)},
        {fielding.toStdString(), note(batterMean, fielding) + rounded},
        {arm.toStdString(), note(batterMean, arm) + rounded},
        {Word(QT_TRANSLATE_NOOP3("TeamWords", "%1 (Order)", "popularity of the batting order"))
             .arg(popularity)
             .toStdString(),
         note(
             QT_TRANSLATE_NOOP("TeamWords", "Mean %1 of the batting order (the 8 batters 1 to 8)."),
             popularity) +
             rounded},
        {Word(QT_TRANSLATE_NOOP3("TeamWords", "%1 (Bench)", "popularity of the bench"))
             .arg(popularity)
             .toStdString(),
         note(QT_TRANSLATE_NOOP("TeamWords", "Mean %1 of the bench (the 5 batters P1 to P5)."),
              popularity) +
             rounded},
        {era.toStdString(),
         note(QT_TRANSLATE_NOOP("TeamWords", "Mean %1 of the 5 pitchers, cut after the second "
                                             "decimal as on the team's HTML page. Lower ranks "
                                             "higher."),
              era)},
        {stamina.toStdString(), note(pitcherMean, stamina) + rounded},
        {Word(QT_TRANSLATE_NOOP3("TeamWords", "Top %1", "the fastest ball of a team"))
             .arg(fast)
             .toStdString(),
         note(QT_TRANSLATE_NOOP("TeamWords", "The highest %1 of the 5 pitchers."), fast)},
        {rightBreak.toStdString(), note(pitcherSum, rightBreak)},
        {leftBreak.toStdString(), note(pitcherSum, leftBreak)},
        {fork.toStdString(), note(pitcherSum, fork)},
    }};
    return labels;
}

} // namespace exchange
