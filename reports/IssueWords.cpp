// SPDX-License-Identifier: MIT
#include "IssueWords.h"

#include "ImageLayout.h"
#include "LeagueCsv.h"
#include "NameNormalizer.h"
#include "TRomTeamData.h"
#include "TextEncoding.h"

#include <cstdio>

// The markers lupdate finds the words by, as Qt defines them.
#define QT_TRANSLATE_NOOP(scope, x) x
#define QT_TRANSLATE_N_NOOP(scope, x) x

namespace reports {

namespace {

// The context the window has always looked these texts up in, so that every translation holds.
constexpr const char* Context = "League";

std::string Say(const Words& words, const char* source,
                std::initializer_list<std::string> values = {}) {
    return Filled(words(Context, source), values);
}

std::string SayCounted(const Words& words, const char* source, int count,
                       std::initializer_list<std::string> values = {}) {
    return Filled(words.Counted(Context, source, count), values);
}

std::string Number(int value) {
    return std::to_string(value);
}

std::string Hex(const char* format, unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// A value as the fan thinks of it: an average as .250 (1.000 for a whole one), an ERA as 2.50;
// every other value as the cell shows it. The cells and the files keep the game's 250.
std::string FanValue(int value, int pointScale) {
    if (pointScale <= 1)
        return Number(value);
    const std::size_t places = pointScale == 1000 ? 3 : 2;
    const int whole = value / pointScale;
    // An average is written without its 0 (.313), as the game and the box scores write it.
    const std::string wholeText = whole == 0 && pointScale == 1000 ? std::string() : Number(whole);
    std::string fraction = Number(value % pointScale);
    if (fraction.size() < places)
        fraction.insert(0, places - fraction.size(), '0');
    return wholeText + '.' + fraction;
}

std::string JoinedAllowed(const std::vector<std::string>& allowed) {
    std::string joined;
    for (const std::string& text : allowed)
        joined += (joined.empty() ? "" : " ") + text;
    return joined;
}

std::string ShownName(const std::string& name) {
    return teamdata::NameForDisplay(name);
}

std::string TeamInitials(int team) {
    if (!teamdata::IsValidTeam(team))
        return {};
    return std::string(TRomTeamData::TeamInitials[static_cast<std::size_t>(team)]);
}

// Characters that would hide or pass off as something else in a message: the controls, the
// invisible format characters (zero width space, direction marks, the byte-order mark, tags),
// line and paragraph separators, and the replacement character, which would pass off a byte that
// is no text as a character. The format characters are Unicode's category Cf.
bool ShownAsCodePoint(char32_t point) {
    struct Range {
        char32_t first;
        char32_t last;
    };
    static constexpr Range Hidden[] = {
        {0x0000, 0x001F},   {0x007F, 0x009F},   {0x00AD, 0x00AD},   {0x0600, 0x0605},
        {0x061C, 0x061C},   {0x06DD, 0x06DD},   {0x070F, 0x070F},   {0x0890, 0x0891},
        {0x08E2, 0x08E2},   {0x180E, 0x180E},   {0x200B, 0x200F},   {0x2028, 0x202E},
        {0x2060, 0x2064},   {0x2066, 0x206F},   {0xD800, 0xDFFF},   {0xFEFF, 0xFEFF},
        {0xFFF9, 0xFFFB},   {0xFFFD, 0xFFFD},   {0x110BD, 0x110BD}, {0x110CD, 0x110CD},
        {0x13430, 0x13438}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
        {0xE0020, 0xE007F},
    };
    for (const Range& range : Hidden)
        if (point >= range.first && point <= range.last)
            return true;
    return false;
}

} // namespace

std::string AllowedRange(const Words& words, const teamdata::CellRefusal& refusal) {
    const int scale = refusal.pointScale;
    if (refusal.step > 1)
        return Say(words, QT_TRANSLATE_NOOP("League", "%1 to %2 in steps of %3"),
                   {FanValue(refusal.minimum, scale), FanValue(refusal.maximum, scale),
                    FanValue(refusal.step, scale)});
    return Say(words, QT_TRANSLATE_NOOP("League", "%1 to %2"),
               {FanValue(refusal.minimum, scale), FanValue(refusal.maximum, scale)});
}

std::string Filled(std::string_view text, std::initializer_list<std::string> values) {
    std::string filled;
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] == '%' && at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9' &&
            static_cast<std::size_t>(text[at + 1] - '0') <= values.size()) {
            filled += values.begin()[text[at + 1] - '1'];
            at += 2;
        } else {
            filled += text[at++];
        }
    }
    return filled;
}

std::string ShownText(std::string_view text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80             ? 1
                             : (lead & 0xE0) == 0xC0 ? 2
                             : (lead & 0xF0) == 0xE0 ? 3
                             : (lead & 0xF8) == 0xF0 ? 4
                                                     : 0;
        if (length > 1 && (length > text.size() - i || !IsValidUtf8(text.substr(i, length))))
            length = 0;
        if (length == 0) {
            shown += Hex("\\x%02x", lead);
            ++i;
            continue;
        }
        char32_t point = length == 1 ? lead : lead & (0x7Fu >> length);
        for (std::size_t k = 1; k < length; ++k)
            point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
        if (point == 0)
            shown += "\\0";
        else if (point == '\r')
            shown += "\\r";
        else if (point == '\n')
            shown += "\\n";
        else if (point == '\t')
            shown += "\\t";
        else if (point < 0x20 || point == 0x7F)
            shown += Hex("\\x%02x", point);
        else if (ShownAsCodePoint(point))
            shown += Hex("U+%04X", point);
        else
            shown += text.substr(i, length);
        i += length;
    }
    return shown;
}

std::string IssueText(const Words& words, const CsvIssue& issue) {
    using Kind = CsvIssueKind;
    switch (issue.kind) {
    case Kind::UnclosedQuote:
        return Say(words,
                   QT_TRANSLATE_NOOP("League", "a quoted field opens here and is never closed"));
    case Kind::TeamNotGiven:
        return Say(words, QT_TRANSLATE_NOOP(
                              "League",
                              "this is a team CSV without a team line: name the team it is for"));
    case Kind::UnrecognizedFile:
        return Say(words,
                   QT_TRANSLATE_NOOP(
                       "League",
                       "this is neither a league file (no line starts with \"%1\") nor a team "
                       "CSV (the first line is not the batter header)"),
                   {std::string(TeamWord)});
    case Kind::MisdecodedText:
        return Say(words,
                   QT_TRANSLATE_NOOP(
                       "League",
                       "the file's character encoding is probably wrong: its Japanese reads as "
                       "Latin letters and symbols (a spreadsheet opened it in another encoding "
                       "and saved it so); open it again as Shift_JIS and save it as CSV in "
                       "Shift_JIS or UTF-8"));
    case Kind::TooManyLines:
        return Say(words,
                   QT_TRANSLATE_NOOP(
                       "League",
                       "the file goes on beyond the %1 lines of a league file; it was read no "
                       "further"),
                   {Number(issue.count)});
    case Kind::Utf16Text:
        return Say(words, QT_TRANSLATE_NOOP(
                              "League",
                              "the file is UTF-16 text; save it as CSV in Shift_JIS or UTF-8 and "
                              "import it again"));
    case Kind::Utf32Text:
        return Say(words, QT_TRANSLATE_NOOP(
                              "League",
                              "the file is UTF-32 text; save it as CSV in Shift_JIS or UTF-8 and "
                              "import it again"));
    case Kind::NotText:
        return Say(words,
                   QT_TRANSLATE_NOOP(
                       "League",
                       "this line holds a zero byte (NUL), which no text holds; a league file "
                       "or team CSV is text in Shift_JIS or UTF-8"));
    case Kind::LinesBeforeFirstTeam:
        return SayCounted(words,
                          QT_TRANSLATE_N_NOOP(
                              "League",
                              "%n line(s) before the first team line; every team of a league file "
                              "starts with a line \"%1,...\""),
                          issue.count, {issue.expected});
    case Kind::WrongLineCount:
        return Say(
            words,
            QT_TRANSLATE_NOOP("League",
                              "the team has %1 lines here; it needs %2 (a header and 13 batters, "
                              "a header and 5 pitchers)"),
            {Number(issue.count), Number(issue.expectedCount)});
    case Kind::WrongFieldCount:
        return Say(words, QT_TRANSLATE_NOOP("League", "the line has %1 fields; it needs %2"),
                   {Number(issue.count), Number(issue.expectedCount)});
    case Kind::UnknownHeader:
        return Say(words, QT_TRANSLATE_NOOP("League", "the header here must read \"%1\""),
                   {issue.expected});
    case Kind::UnknownWord:
        return Say(words, QT_TRANSLATE_NOOP("League", "the team line must read \"%1\" here"),
                   {issue.expected});
    case Kind::UnknownTeam:
        return Say(words,
                   QT_TRANSLATE_NOOP("League", "no team has these initials; the teams are %1"),
                   {JoinedAllowed(issue.allowed)});
    case Kind::DuplicateTeam:
        if (issue.pointer)
            return Say(
                words,
                QT_TRANSLATE_NOOP("League", "team %1 is given twice; it was given before at %2"),
                {TeamInitials(issue.team), issue.otherPointer});
        return Say(
            words,
            QT_TRANSLATE_NOOP("League", "team %1 is given twice; it was given before at line %2"),
            {TeamInitials(issue.team), Number(issue.otherLine)});
    case Kind::MalformedColor:
        return Say(
            words,
            QT_TRANSLATE_NOOP(
                "League", "a colour is written as 0x and two hexadecimal digits, such as 0x16"));
    case Kind::JsonSyntax:
        return Say(words, QT_TRANSLATE_NOOP("League", "the file is no valid JSON from here on"));
    case Kind::JsonTooDeep:
        return Say(
            words,
            QT_TRANSLATE_NOOP("League",
                              "values are nested deeper here than in any form of the program (%1 "
                              "levels at most)"),
            {Number(issue.count)});
    case Kind::JsonDuplicateMember:
        return Say(words,
                   QT_TRANSLATE_NOOP("League", "the member \"%1\" is given twice in one object"),
                   {ShownText(issue.text)});
    case Kind::JsonUnknownMember:
        return Say(words,
                   QT_TRANSLATE_NOOP("League", "the form has no member \"%1\" here; it has %2"),
                   {ShownText(issue.text), JoinedAllowed(issue.allowed)});
    case Kind::JsonMissingMember:
        return Say(words, QT_TRANSLATE_NOOP("League", "the member \"%1\" is missing here"),
                   {issue.expected});
    case Kind::JsonWrongType:
        return Say(words,
                   QT_TRANSLATE_NOOP("League", "a value of the type %1 is needed here, not %2"),
                   {issue.expected, issue.text});
    case Kind::JsonUnknownFormat:
        return Say(words, QT_TRANSLATE_NOOP("League", "the import reads the forms %1, not \"%2\""),
                   {JoinedAllowed(issue.allowed), ShownText(issue.text)});
    case Kind::JsonVersion:
        if (issue.count > issue.expectedCount)
            return Say(
                words,
                QT_TRANSLATE_NOOP("League",
                                  "the file is of version %1 of its form, newer than this program "
                                  "reads (version %2); use a newer Tolvanek"),
                {Number(issue.count), Number(issue.expectedCount)});
        return Say(
            words,
            QT_TRANSLATE_NOOP("League",
                              "there is no version %1 of the form; this program reads version %2"),
            {Number(issue.count), Number(issue.expectedCount)});
    case Kind::JsonWrongLength:
        return SayCounted(words,
                          QT_TRANSLATE_N_NOOP("League", "%n element(s) here; the form has %1"),
                          issue.count, {Number(issue.expectedCount)});
    case Kind::JsonTeamCount:
        return Say(words,
                   QT_TRANSLATE_NOOP("League", "the league form holds 1 to 16 teams, not %1"),
                   {Number(issue.count)});
    case Kind::JsonFormsDisagree:
        return Say(words,
                   QT_TRANSLATE_NOOP(
                       "League", "\"%1\" disagrees with %2, which makes it \"%3\"; give both forms "
                                 "the same value or leave one of them out"),
                   {ShownText(issue.text), issue.otherPointer, ShownText(issue.expected)});
    case Kind::ColorNotOffered:
        if (issue.pointer)
            return Say(words,
                       QT_TRANSLATE_NOOP(
                           "League",
                           "the colour chooser does not offer this palette index; it offers 0 "
                           "to 13, 16 to 29, 32 to 45 and 48 to 61"));
        return Say(words,
                   QT_TRANSLATE_NOOP(
                       "League",
                       "the colour chooser does not offer this palette index; it offers 0x00 "
                       "to 0x0D, 0x10 to 0x1D, 0x20 to 0x2D and 0x30 to 0x3D"));
    case Kind::CellRefused:
        return issue.cell ? RefusalText(words, issue.cell->refusal) : std::string();
    case Kind::FieldingPositions:
        if (!issue.otherPointer.empty())
            return Say(
                words,
                QT_TRANSLATE_NOOP("League",
                                  "the batter at %1 holds this fielding position too; the batting "
                                  "order needs the positions 2 to 9 once each"),
                {issue.otherPointer});
        if (issue.otherLine > 0)
            return Say(words,
                       QT_TRANSLATE_NOOP(
                           "League", "the batter at line %1 holds this fielding position too; the "
                                     "batting order needs the positions 2 to 9 once each"),
                       {Number(issue.otherLine)});
        return Say(words, QT_TRANSLATE_NOOP(
                              "League", "the batting order needs the positions 2 to 9 once each"));
    case Kind::ValueRounded:
        return Say(
            words,
            QT_TRANSLATE_NOOP("League", "\"%1\" was read as %2, the nearest value the game holds"),
            {ShownText(issue.text), issue.expected});
    case Kind::NameKeptFromNumber:
        return Say(words,
                   QT_TRANSLATE_NOOP(
                       "League",
                       "a spreadsheet probably turned the name \"%1\" into the number \"%2\"; "
                       "the name was kept"),
                   {ShownName(issue.expected), ShownText(issue.text)});
    case Kind::NameSpellingChanged:
        return Say(words,
                   QT_TRANSLATE_NOOP(
                       "League", "small kana are written large, as the game writes them: \"%1\""),
                   {ShownName(issue.expected)});
    case Kind::SameReading:
        if (issue.pointer)
            return Say(
                words,
                QT_TRANSLATE_NOOP("League",
                                  "the name \"%1\" is read \"%2\" as the name at %3 is; the game "
                                  "shows the two alike"),
                {ShownText(issue.text), ShownName(issue.expected), issue.otherPointer});
        return Say(
            words,
            QT_TRANSLATE_NOOP("League",
                              "the name \"%1\" is read \"%2\" as the name at line %3 is; the game "
                              "shows the two alike"),
            {ShownText(issue.text), ShownName(issue.expected), Number(issue.otherLine)});
    case Kind::NameRead:
        if (issue.allowed.empty())
            return Say(words, QT_TRANSLATE_NOOP("League", "the name \"%1\" is read \"%2\""),
                       {ShownText(issue.text), ShownName(issue.expected)});
        return Say(
            words,
            QT_TRANSLATE_NOOP("League", "the name \"%1\" is read \"%2\"; other readings: %3"),
            {ShownText(issue.text), ShownName(issue.expected), JoinedAllowed(issue.allowed)});
    }
    return {};
}

std::string RefusalText(const Words& words, const teamdata::CellRefusal& refusal) {
    using Refusal = teamdata::CellRefusalKind;
    switch (refusal.kind) {
    case Refusal::NotANumber:
        return Say(words, QT_TRANSLATE_NOOP("League", "not a number; allowed are %1"),
                   {AllowedRange(words, refusal)});
    case Refusal::ValueNotAllowed:
        return Say(
            words,
            QT_TRANSLATE_NOOP("League", "the editor does not offer this value; allowed are %1"),
            {AllowedRange(words, refusal)});
    case Refusal::NotALabel:
    case Refusal::NotACell:
        return Say(words, QT_TRANSLATE_NOOP("League", "allowed are %1"),
                   {JoinedAllowed(refusal.allowed)});
    case Refusal::NameUnknownCharacter:
        return Say(
            words,
            QT_TRANSLATE_NOOP(
                "League", "the game cannot show the character \"%1\" (character %2 of the name)"),
            {ShownText(refusal.character), Number(refusal.position)});
    case Refusal::NameTooLong:
        return Say(
            words,
            QT_TRANSLATE_NOOP("League",
                              "the name needs %1 places; the game has 5 (a voiced kana takes two)"),
            {Number(refusal.tiles)});
    case Refusal::NameReadingsTooLong:
        return Say(words,
                   QT_TRANSLATE_NOOP(
                       "League",
                       "every reading of the name needs more than 5 places (%1 at the fewest, a "
                       "voiced kana taking two): %2; write the name in kana"),
                   {Number(refusal.tiles), JoinedAllowed(refusal.allowed)});
    case Refusal::NameNotRead:
        return Say(
            words,
            QT_TRANSLATE_NOOP(
                "League", "the name has no reading in kana, letters and digits; write it in kana"));
    case Refusal::NameReaderMissing:
        return Say(words,
                   QT_TRANSLATE_NOOP(
                       "League", "names in kanji cannot be read: install the Debian package %1"),
                   {refusal.character});
    }
    return {};
}

} // namespace reports
