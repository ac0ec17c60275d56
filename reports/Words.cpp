// SPDX-License-Identifier: MIT
#include "Words.h"

#include <array>

// The markers lupdate finds the words by, as Qt defines them.
#define QT_TRANSLATE_NOOP(scope, x) x
#define QT_TRANSLATE_NOOP3(scope, x, comment)                                                      \
    { x, comment }

namespace reports {

namespace {

constexpr const char* Context = "TeamWords";
constexpr const char* ChangesContext = "Changes";

struct ColumnWords {
    // The column's name, the teamdata::Column's word.
    const char* name;
    // What the header's tooltip says: the column's name in full, for a fan who does not know the
    // short word (and in Japanese for the headers the column cuts off).
    const char* fullName;
    MarkedText valueCaption = {nullptr, nullptr}; // the name when there is none
    // The grid header's word, where the name is too wide for the column; the name when there is
    // none.
    MarkedText header = {nullptr, nullptr};
};

namespace Batter = teamdata::BatterColumn;
namespace Pitcher = teamdata::PitcherColumn;

// The words of the columns of both grids, found by the column's word; the name and the
// popularity columns of the two grids share theirs. The grid headers are as wide as the Japanese
// headers need, so these words are short: each fits its column in the window (a test measures
// them).
constexpr ColumnWords ColumnWordTable[] = {
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
    for (const ColumnWords& words : ColumnWordTable)
        if (found->word == words.name)
            return &words;
    return nullptr;
}

struct LabelEntry {
    std::string_view label;
    MarkedText word;
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
constexpr MarkedText BatterCorner =
    QT_TRANSLATE_NOOP3("TeamWords", "Bat", "the batter grid's corner");
constexpr MarkedText PitcherCorner =
    QT_TRANSLATE_NOOP3("TeamWords", "Pit", "the pitcher grid's corner");
const char* const BatterCornerTip =
    QT_TRANSLATE_NOOP("TeamWords", "Batters: 1 to 8 the batting order, P1 to P5 the bench");
const char* const PitcherCornerTip = QT_TRANSLATE_NOOP("TeamWords", "Pitchers");

template <std::size_t Count>
std::array<std::string, Count> ColumnNames(const Words& words, teamdata::Grid grid) {
    std::array<std::string, Count> names;
    for (std::size_t column = 1; column <= Count; ++column)
        names[column - 1] = ColumnName(words, grid, static_cast<int>(column));
    return names;
}

template <std::size_t Count>
std::vector<std::string> HeaderRow(const Words& words, teamdata::Grid grid) {
    const std::array<std::string, Count> names = ColumnNames<Count>(words, grid);
    return {names.begin(), names.end()};
}

std::string Word(const Words& words, const char* source) {
    return words(Context, source);
}

std::string Word(const Words& words, MarkedText text) {
    return words(Context, text.source, text.disambiguation);
}

} // namespace

std::string Words::operator()(const char* context, const char* source,
                              const char* disambiguation) const {
    return translate ? translate(context, source, disambiguation) : std::string(source);
}

std::string Words::Counted(const char* context, const char* source, int count) const {
    if (translateCount)
        return translateCount(context, source, count);
    std::string text = source;
    const std::string number = std::to_string(count);
    for (std::size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at)) {
        text.replace(at, 2, number);
        at += number.size();
    }
    return text;
}

std::string FillIn(std::string_view text, std::string_view value) {
    std::string filled;
    for (std::size_t at = 0; at < text.size();) {
        if (text.compare(at, 2, "%1") == 0) {
            filled += value;
            at += 2;
        } else {
            filled += text[at++];
        }
    }
    return filled;
}

std::string ColumnName(const Words& words, teamdata::Grid grid, int column) {
    const ColumnWords* found = WordsOf(grid, column);
    return found ? Word(words, found->name) : std::string();
}

std::string ColumnHeaderWord(const Words& words, teamdata::Grid grid, int column) {
    const ColumnWords* found = WordsOf(grid, column);
    if (!found)
        return {};
    return found->header.source ? Word(words, found->header) : Word(words, found->name);
}

std::string ColumnToolTip(const Words& words, teamdata::Grid grid, int column) {
    if (column == 0)
        return Word(words, grid == teamdata::Grid::Batters ? BatterCornerTip : PitcherCornerTip);
    const ColumnWords* found = WordsOf(grid, column);
    return found ? Word(words, found->fullName) : std::string();
}

std::string ValueCaption(const Words& words, teamdata::Grid grid, int column) {
    const ColumnWords* found = WordsOf(grid, column);
    if (!found)
        return {};
    return found->valueCaption.source ? Word(words, found->valueCaption) : Word(words, found->name);
}

std::string CornerWord(const Words& words, teamdata::Grid grid) {
    return Word(words, grid == teamdata::Grid::Batters ? BatterCorner : PitcherCorner);
}

std::vector<std::string> ShownHeaders(const Words& words, teamdata::Grid grid,
                                      const std::vector<std::string>& dataHeaders) {
    if (words.ShowsData())
        return dataHeaders;
    std::vector<std::string> headers;
    for (std::size_t column = 0; column < dataHeaders.size(); ++column) {
        // An empty header (the batter grid's unused columns) stays empty in every language.
        if (dataHeaders[column].empty())
            headers.emplace_back();
        else if (column == 0)
            headers.push_back(CornerWord(words, grid));
        else
            headers.push_back(ColumnHeaderWord(words, grid, static_cast<int>(column)));
    }
    return headers;
}

bool IsLabelColumn(teamdata::Grid grid, int column) {
    const teamdata::Column* found = teamdata::ColumnOf(grid, column);
    return found && (found->kind == teamdata::ColumnKind::Side ||
                     found->kind == teamdata::ColumnKind::Style);
}

std::string LabelWord(const Words& words, std::string_view label) {
    if (!words.ShowsData())
        for (const LabelEntry& entry : Labels)
            if (entry.label == label)
                return Word(words, entry.word);
    return std::string(label);
}

LabelWords InterfaceLabelWords(const Words& words) {
    LabelWords labelWords;
    if (!words.ShowsData())
        for (const LabelEntry& entry : Labels)
            labelWords.emplace(std::string(entry.label), Word(words, entry.word));
    return labelWords;
}

std::vector<std::pair<std::string, std::string>> LabelSpellingsIn(const Words& words) {
    std::vector<std::pair<std::string, std::string>> spellings;
    for (const LabelEntry& entry : Labels) {
        const std::string word = Word(words, entry.word);
        if (!word.empty() && word != entry.label)
            spellings.emplace_back(word, std::string(entry.label));
    }
    return spellings;
}

TeamReportLabels TeamReportLabelsIn(const Words& words) {
    if (words.ShowsData())
        return {};
    TeamReportLabels labels;
    labels.teamName = Word(words, QT_TRANSLATE_NOOP("TeamWords", "Team %1"));
    labels.batterCaption =
        Word(words,
             QT_TRANSLATE_NOOP("TeamWords", "[Batters] Team AVG %1 / Team HR %2 / Team Speed %3"));
    labels.pitcherCaption =
        Word(words, QT_TRANSLATE_NOOP("TeamWords", "[Pitchers] Team ERA %1 / Average Fast %2"));
    labels.batterHeaders = HeaderRow<9>(words, teamdata::Grid::Batters);
    labels.pitcherHeaders = HeaderRow<11>(words, teamdata::Grid::Pitchers);
    labels.labelWords = InterfaceLabelWords(words);
    return labels;
}

OverviewLabels OverviewLabelsIn(const Words& words) {
    if (words.ShowsData())
        return {};
    using teamdata::Grid;
    // A figure's note names its column by the column's word; the half-up rounding is said once.
    const auto note = [&words](const char* rule, const std::string& word) {
        return FillIn(Word(words, rule), word);
    };
    std::string rounded(1, ' ');
    rounded += Word(words, QT_TRANSLATE_NOOP("TeamWords", "Rounded half up to tenths."));
    const std::string average = ColumnName(words, Grid::Batters, Batter::Average);
    const std::string homeRuns = ColumnName(words, Grid::Batters, Batter::HomeRuns);
    const std::string speed = ColumnName(words, Grid::Batters, Batter::Speed);
    const std::string fielding = ColumnName(words, Grid::Batters, Batter::Fielding);
    const std::string arm = ColumnName(words, Grid::Batters, Batter::Arm);
    const std::string popularity = ColumnName(words, Grid::Batters, Batter::Popularity);
    const std::string era = ColumnName(words, Grid::Pitchers, Pitcher::Era);
    const std::string stamina = ColumnName(words, Grid::Pitchers, Pitcher::Stamina);
    const std::string fast = ColumnName(words, Grid::Pitchers, Pitcher::Fast);
    const std::string rightBreak = ColumnName(words, Grid::Pitchers, Pitcher::RightBreak);
    const std::string leftBreak = ColumnName(words, Grid::Pitchers, Pitcher::LeftBreak);
    const std::string fork = ColumnName(words, Grid::Pitchers, Pitcher::Fork);
    const char* batterMean = QT_TRANSLATE_NOOP("TeamWords", "Mean %1 of the 13 batters.");
    const char* pitcherMean = QT_TRANSLATE_NOOP("TeamWords", "Mean %1 of the 5 pitchers.");
    const char* pitcherSum = QT_TRANSLATE_NOOP("TeamWords", "Sum of the %1 of the 5 pitchers.");

    OverviewLabels labels;
    labels.language = words.language;
    labels.title = Word(words, QT_TRANSLATE_NOOP("TeamWords", "League Overview"));
    labels.tableHeading = Word(words, QT_TRANSLATE_NOOP("TeamWords", "The 16 Teams Compared"));
    labels.teamColumn = Word(words, QT_TRANSLATE_NOOP("TeamWords", "Team"));
    labels.rank = Word(words, MarkedText QT_TRANSLATE_NOOP3("TeamWords", "#%1", "a team's rank"));
    labels.colors = Word(words, QT_TRANSLATE_NOOP("TeamWords", "helmet %1, uniform %2"));
    labels.notesHeading =
        Word(words, QT_TRANSLATE_NOOP("TeamWords", "How the Figures Are Computed"));
    labels.rankNote = Word(
        words, QT_TRANSLATE_NOOP(
                   "TeamWords",
                   "After each figure comes the team's rank among the 16 teams. #1 is the best; "
                   "for ERA alone, lower is better. Teams with the same value share a rank, and "
                   "the next rank skips as many places."));
    labels.chartsHeading = Word(words, QT_TRANSLATE_NOOP("TeamWords", "Charts"));
    labels.barChartDescription = Word(words, QT_TRANSLATE_NOOP("TeamWords", "%1, best first: %2."));
    labels.barItem =
        Word(words, MarkedText QT_TRANSLATE_NOOP3("TeamWords", "%1 %2 (%3)",
                                                  "initials, value and rank of a bar"));
    labels.listSeparator = Word(
        words, MarkedText QT_TRANSLATE_NOOP3("TeamWords", ", ", "between the bars of a chart"));
    labels.scatterTitle = Word(words, QT_TRANSLATE_NOOP("TeamWords", "Hitting and Pitching"));
    labels.scatterDescription =
        Word(words, QT_TRANSLATE_NOOP("TeamWords", "Team AVG across, team ERA upwards: %1."));
    labels.scatterItem = Word(words, QT_TRANSLATE_NOOP("TeamWords", "%1 AVG %2, ERA %3"));
    labels.scatterXAxis =
        Word(words, QT_TRANSLATE_NOOP("TeamWords", "Team AVG (higher to the right)"));
    labels.scatterYAxis =
        Word(words, QT_TRANSLATE_NOOP("TeamWords", "Team ERA (lower to the top)"));
    labels.rostersHeading = Word(words, QT_TRANSLATE_NOOP("TeamWords", "Rosters"));
    labels.teamName = Word(words, QT_TRANSLATE_NOOP("TeamWords", "Team %1"));
    labels.batters = Word(words, QT_TRANSLATE_NOOP("TeamWords", "Batters"));
    labels.pitchers = Word(words, QT_TRANSLATE_NOOP("TeamWords", "Pitchers"));
    labels.batterColumns = ColumnNames<9>(words, Grid::Batters);
    labels.pitcherColumns = ColumnNames<11>(words, Grid::Pitchers);
    labels.labelWords = InterfaceLabelWords(words);
    labels.figures = {{
        {average,
         note(QT_TRANSLATE_NOOP("TeamWords", "Mean %1 of the 13 batters, cut after the third "
                                             "decimal as on the team's HTML page."),
              average)},
        {homeRuns,
         note(QT_TRANSLATE_NOOP("TeamWords", "Sum of the %1 of the 13 batters."), homeRuns)},
        {speed,
         note(QT_TRANSLATE_NOOP("TeamWords", "Mean %1 of the 13 batters, cut to a whole number "
                                             "as on the team's HTML page."),
              speed)},
        {fielding, note(batterMean, fielding) + rounded},
        {arm, note(batterMean, arm) + rounded},
        {FillIn(Word(words, MarkedText QT_TRANSLATE_NOOP3("TeamWords", "%1 (Order)",
                                                          "popularity of the batting order")),
                popularity),
         note(
             QT_TRANSLATE_NOOP("TeamWords", "Mean %1 of the batting order (the 8 batters 1 to 8)."),
             popularity) +
             rounded},
        {FillIn(Word(words, MarkedText QT_TRANSLATE_NOOP3("TeamWords", "%1 (Bench)",
                                                          "popularity of the bench")),
                popularity),
         note(QT_TRANSLATE_NOOP("TeamWords", "Mean %1 of the bench (the 5 batters P1 to P5)."),
              popularity) +
             rounded},
        {era, note(QT_TRANSLATE_NOOP("TeamWords", "Mean %1 of the 5 pitchers, cut after the second "
                                                  "decimal as on the team's HTML page. Lower ranks "
                                                  "higher."),
                   era)},
        {stamina, note(pitcherMean, stamina) + rounded},
        {FillIn(Word(words, MarkedText QT_TRANSLATE_NOOP3("TeamWords", "Top %1",
                                                          "the fastest ball of a team")),
                fast),
         note(QT_TRANSLATE_NOOP("TeamWords", "The highest %1 of the 5 pitchers."), fast)},
        {rightBreak, note(pitcherSum, rightBreak)},
        {leftBreak, note(pitcherSum, leftBreak)},
        {fork, note(pitcherSum, fork)},
    }};
    return labels;
}

ChangeLabels ChangeLabelsIn(const Words& words) {
    const auto word = [&words](const char* source) {
        return words(ChangesContext, source);
    };
    ChangeLabels labels;
    labels.batter = word(QT_TRANSLATE_NOOP("Changes", "batter"));
    labels.pitcher = word(QT_TRANSLATE_NOOP("Changes", "pitcher"));
    labels.helmet = word(QT_TRANSLATE_NOOP("Changes", "helmet"));
    labels.uniform = word(QT_TRANSLATE_NOOP("Changes", "uniform"));
    labels.battingOrder = word(QT_TRANSLATE_NOOP("Changes", "batting order"));
    labels.pitchingOrder = word(QT_TRANSLATE_NOOP("Changes", "pitching order"));
    labels.transfer = word(QT_TRANSLATE_NOOP("Changes", "transfer"));
    labels.color = word(QT_TRANSLATE_NOOP("Changes", "colour"));
    labels.bytes = word(QT_TRANSLATE_NOOP("Changes", "bytes"));
    labels.formerName = word(QT_TRANSLATE_NOOP("Changes", " (formerly %1)"));
    labels.byteRange = word(QT_TRANSLATE_NOOP("Changes", "other bytes %1-%2 (%3 bytes)"));
    labels.byteTotal =
        word(QT_TRANSLATE_NOOP("Changes", "other bytes: %1 ranges, %2 bytes in all"));
    labels.language = word(QT_TRANSLATE_NOOP("Changes", "en"));
    labels.pageTitle = word(QT_TRANSLATE_NOOP("Changes", "Changes"));
    labels.teamHeading = word(QT_TRANSLATE_NOOP("Changes", "Team %1"));
    labels.bytesHeading = word(QT_TRANSLATE_NOOP("Changes", "Other bytes"));
    labels.legend = word(
        QT_TRANSLATE_NOOP("Changes", "Coloured cells changed; the struck-out value is the one "
                                     "before. A row number in blue marks a row a player moved or "
                                     "was transferred to."));
    labels.noChanges = word(QT_TRANSLATE_NOOP("Changes", "No changes."));
    // In Japanese the columns and the labels keep the data's own texts, as they always were.
    if (!words.ShowsData()) {
        labels.batterColumns = ColumnNames<9>(words, teamdata::Grid::Batters);
        labels.pitcherColumns = ColumnNames<11>(words, teamdata::Grid::Pitchers);
        labels.labelWords = InterfaceLabelWords(words);
    }
    return labels;
}

} // namespace reports
