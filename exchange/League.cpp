// SPDX-License-Identifier: MIT
#include "League.h"

#include "Files.h"
#include "Import.h"
#include "LeagueCsv.h"
#include "ShiftJis.h"
#include "TeamWords.h"
#include "TextEncoding.h"
#include "TextNumbers.h"

#include <QCoreApplication>

namespace exchange {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(League)
};

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// A value as the fan thinks of it: an average as .250 (1.000 for a whole one), an ERA as 2.50;
// every other value as the cell shows it. The cells and the files keep the game's 250.
QString FanValue(int value, int pointScale) {
    if (pointScale <= 1)
        return QString::number(value);
    const int places = pointScale == 1000 ? 3 : 2;
    const int whole = value / pointScale;
    // An average is written without its 0 (.313), as the game and the box scores write it.
    const QString wholeText = whole == 0 && pointScale == 1000 ? QString() : QString::number(whole);
    return wholeText + QLatin1Char('.') +
           QStringLiteral("%1").arg(value % pointScale, places, 10, QLatin1Char('0'));
}

// "200 to 400", with the step when values come in steps.
QString AllowedRange(const teamdata::CellRefusal& refusal) {
    const int scale = refusal.pointScale;
    if (refusal.step > 1)
        return Texts::tr("%1 to %2 in steps of %3")
            .arg(FanValue(refusal.minimum, scale), FanValue(refusal.maximum, scale),
                 FanValue(refusal.step, scale));
    return Texts::tr("%1 to %2")
        .arg(FanValue(refusal.minimum, scale), FanValue(refusal.maximum, scale));
}

QString JoinedAllowed(const std::vector<std::string>& allowed) {
    QStringList texts;
    for (const std::string& text : allowed)
        texts << FromUtf8(text);
    return texts.join(QStringLiteral(" "));
}

} // namespace

LeagueRecords RecordsOf(const LoadedImage& image) {
    LeagueRecords league;
    for (int team = 0; team < teamdata::TeamCount; ++team)
        league[static_cast<std::size_t>(team)] = teamdata::TeamRecordsAt(image.bytes, team);
    return league;
}

reports::LeagueTexts TextsOf(const LeagueRecords& league) {
    reports::LeagueTexts texts;
    for (std::size_t team = 0; team < league.size(); ++team)
        texts[team] = teamdata::TextsOf(league[team]);
    return texts;
}

QByteArray LeagueCsvBytes(const reports::LeagueTexts& league, CsvEncoding encoding) {
    return QByteArray::fromStdString(plans::LeagueCsvFile(league, encoding));
}

QByteArray TeamCsvBytes(const teamdata::TeamTexts& team, CsvEncoding encoding) {
    return QByteArray::fromStdString(plans::TeamCsvFile(team, encoding));
}

QByteArray TeamHtmlBytes(int team, const teamdata::TeamTexts& texts) {
    return QByteArray::fromStdString(plans::TeamPageFile(team, texts, InterfaceTeamReportLabels()));
}

QByteArray LeagueOverviewBytes(const reports::LeagueTexts& league) {
    return QByteArray::fromStdString(plans::OverviewFile(league, InterfaceOverviewLabels()));
}

QString DecodeTextFile(const QByteArray& bytes) {
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    // Shift_JIS text with any Japanese in it is practically never valid UTF-8, and text that is
    // both (plain ASCII) reads the same either way.
    if (reports::IsValidUtf8(view))
        return QString::fromUtf8(bytes);
    return ShiftJis::Decode(bytes);
}

std::string DecodeTextBytes(std::string_view bytes) {
    return ShiftJis::Decode(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())))
        .toStdString();
}

reports::CsvImport ReadCsvFile(const QByteArray& bytes, const reports::LeagueTexts& current,
                               std::optional<int> teamOfTeamCsv, bool round) {
    return plans::ReadCsvFile(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), current,
        teamOfTeamCsv, DecodeTextBytes, round);
}

QString DescribeCsvIssue(const reports::CsvIssue& issue) {
    using Kind = reports::CsvIssueKind;
    switch (issue.kind) {
    case Kind::UnclosedQuote:
        return Texts::tr("a quoted field opens here and is never closed");
    case Kind::TeamNotGiven:
        return Texts::tr("this is a team CSV without a team line: name the team it is for");
    case Kind::UnrecognizedFile:
        return Texts::tr("this is neither a league file (no line starts with \"%1\") nor a team "
                         "CSV (the first line is not the batter header)")
            .arg(FromUtf8(std::string(reports::TeamWord)));
    case Kind::MisdecodedText:
        return Texts::tr("the file's character encoding is probably wrong: its Japanese reads as "
                         "Latin letters and symbols (a spreadsheet opened it in another encoding "
                         "and saved it so); open it again as Shift_JIS and save it as CSV in "
                         "Shift_JIS or UTF-8");
    case Kind::TooManyLines:
        return Texts::tr("the file goes on beyond the %1 lines of a league file; it was read no "
                         "further")
            .arg(issue.count);
    case Kind::Utf16Text:
        return Texts::tr("the file is UTF-16 text; save it as CSV in Shift_JIS or UTF-8 and "
                         "import it again");
    case Kind::Utf32Text:
        return Texts::tr("the file is UTF-32 text; save it as CSV in Shift_JIS or UTF-8 and "
                         "import it again");
    case Kind::NotText:
        return Texts::tr("this line holds a zero byte (NUL), which no text holds; a league file "
                         "or team CSV is text in Shift_JIS or UTF-8");
    case Kind::LinesBeforeFirstTeam:
        return Texts::tr("%n line(s) before the first team line; every team of a league file "
                         "starts with a line \"%1,...\"",
                         nullptr, issue.count)
            .arg(FromUtf8(issue.expected));
    case Kind::WrongLineCount:
        return Texts::tr("the team has %1 lines here; it needs %2 (a header and 13 batters, "
                         "a header and 5 pitchers)")
            .arg(issue.count)
            .arg(issue.expectedCount);
    case Kind::WrongFieldCount:
        return Texts::tr("the line has %1 fields; it needs %2")
            .arg(issue.count)
            .arg(issue.expectedCount);
    case Kind::UnknownHeader:
        return Texts::tr("the header here must read \"%1\"").arg(FromUtf8(issue.expected));
    case Kind::UnknownWord:
        return Texts::tr("the team line must read \"%1\" here").arg(FromUtf8(issue.expected));
    case Kind::UnknownTeam:
        return Texts::tr("no team has these initials; the teams are %1")
            .arg(JoinedAllowed(issue.allowed));
    case Kind::DuplicateTeam:
        if (issue.pointer)
            return Texts::tr("team %1 is given twice; it was given before at %2")
                .arg(TeamInitialsText(issue.team), FromUtf8(issue.otherPointer));
        return Texts::tr("team %1 is given twice; it was given before at line %2")
            .arg(TeamInitialsText(issue.team))
            .arg(issue.otherLine);
    case Kind::MalformedColor:
        return Texts::tr("a colour is written as 0x and two hexadecimal digits, such as 0x16");
    case Kind::JsonSyntax:
        return Texts::tr("the file is no valid JSON from here on");
    case Kind::JsonTooDeep:
        return Texts::tr("values are nested deeper here than in any form of the program (%1 "
                         "levels at most)")
            .arg(issue.count);
    case Kind::JsonDuplicateMember:
        return Texts::tr("the member \"%1\" is given twice in one object").arg(Shown(issue.text));
    case Kind::JsonUnknownMember:
        return Texts::tr("the form has no member \"%1\" here; it has %2")
            .arg(Shown(issue.text), JoinedAllowed(issue.allowed));
    case Kind::JsonMissingMember:
        return Texts::tr("the member \"%1\" is missing here").arg(FromUtf8(issue.expected));
    case Kind::JsonWrongType:
        return Texts::tr("a value of the type %1 is needed here, not %2")
            .arg(FromUtf8(issue.expected), FromUtf8(issue.text));
    case Kind::JsonUnknownFormat:
        return Texts::tr("the import reads the forms %1, not \"%2\"")
            .arg(JoinedAllowed(issue.allowed), Shown(issue.text));
    case Kind::JsonVersion:
        if (issue.count > issue.expectedCount)
            return Texts::tr("the file is of version %1 of its form, newer than this program "
                             "reads (version %2); use a newer Tolvanek")
                .arg(issue.count)
                .arg(issue.expectedCount);
        return Texts::tr("there is no version %1 of the form; this program reads version %2")
            .arg(issue.count)
            .arg(issue.expectedCount);
    case Kind::JsonWrongLength:
        return Texts::tr("%n element(s) here; the form has %1", nullptr, issue.count)
            .arg(issue.expectedCount);
    case Kind::JsonTeamCount:
        return Texts::tr("the league form holds 1 to 16 teams, not %1").arg(issue.count);
    case Kind::JsonFormsDisagree:
        return Texts::tr("\"%1\" disagrees with %2, which makes it \"%3\"; give both forms "
                         "the same value or leave one of them out")
            .arg(Shown(issue.text), FromUtf8(issue.otherPointer), Shown(issue.expected));
    case Kind::ColorNotOffered:
        if (issue.pointer)
            return Texts::tr("the colour chooser does not offer this palette index; it offers 0 "
                             "to 13, 16 to 29, 32 to 45 and 48 to 61");
        return Texts::tr("the colour chooser does not offer this palette index; it offers 0x00 "
                         "to 0x0D, 0x10 to 0x1D, 0x20 to 0x2D and 0x30 to 0x3D");
    case Kind::CellRefused:
        return issue.cell ? DescribeCellRefusal(issue.cell->refusal) : QString();
    case Kind::FieldingPositions:
        if (!issue.otherPointer.empty())
            return Texts::tr("the batter at %1 holds this fielding position too; the batting "
                             "order needs the positions 2 to 9 once each")
                .arg(FromUtf8(issue.otherPointer));
        if (issue.otherLine > 0)
            return Texts::tr("the batter at line %1 holds this fielding position too; the "
                             "batting order needs the positions 2 to 9 once each")
                .arg(issue.otherLine);
        return Texts::tr("the batting order needs the positions 2 to 9 once each");
    case Kind::ValueRounded:
        return Texts::tr("\"%1\" was read as %2, the nearest value the game holds")
            .arg(Shown(issue.text), FromUtf8(issue.expected));
    case Kind::NameKeptFromNumber:
        return Texts::tr("a spreadsheet probably turned the name \"%1\" into the number \"%2\"; "
                         "the name was kept")
            .arg(ShownName(FromUtf8(issue.expected)), Shown(issue.text));
    case Kind::NameSpellingChanged:
        return Texts::tr("small kana are written large, as the game writes them: \"%1\"")
            .arg(ShownName(FromUtf8(issue.expected)));
    case Kind::SameReading:
        if (issue.pointer)
            return Texts::tr("the name \"%1\" is read \"%2\" as the name at %3 is; the game "
                             "shows the two alike")
                .arg(Shown(issue.text), ShownName(FromUtf8(issue.expected)),
                     FromUtf8(issue.otherPointer));
        return Texts::tr("the name \"%1\" is read \"%2\" as the name at line %3 is; the game "
                         "shows the two alike")
            .arg(Shown(issue.text), ShownName(FromUtf8(issue.expected)))
            .arg(issue.otherLine);
    case Kind::NameRead:
        if (issue.allowed.empty())
            return Texts::tr("the name \"%1\" is read \"%2\"")
                .arg(Shown(issue.text), ShownName(FromUtf8(issue.expected)));
        return Texts::tr("the name \"%1\" is read \"%2\"; other readings: %3")
            .arg(Shown(issue.text), ShownName(FromUtf8(issue.expected)),
                 JoinedAllowed(issue.allowed));
    }
    return {};
}

QString DescribeCellRefusal(const teamdata::CellRefusal& refusal) {
    using Refusal = teamdata::CellRefusalKind;
    switch (refusal.kind) {
    case Refusal::NotANumber:
        return Texts::tr("not a number; allowed are %1").arg(AllowedRange(refusal));
    case Refusal::ValueNotAllowed:
        return Texts::tr("the editor does not offer this value; allowed are %1")
            .arg(AllowedRange(refusal));
    case Refusal::NotALabel:
    case Refusal::NotACell:
        return Texts::tr("allowed are %1").arg(JoinedAllowed(refusal.allowed));
    case Refusal::NameUnknownCharacter:
        return Texts::tr("the game cannot show the character \"%1\" (character %2 of the name)")
            .arg(Shown(refusal.character))
            .arg(refusal.position);
    case Refusal::NameTooLong:
        return Texts::tr("the name needs %1 places; the game has 5 (a voiced kana takes two)")
            .arg(refusal.tiles);
    case Refusal::NameReadingsTooLong:
        return Texts::tr("every reading of the name needs more than 5 places (%1 at the fewest, a "
                         "voiced kana taking two): %2; write the name in kana")
            .arg(refusal.tiles)
            .arg(JoinedAllowed(refusal.allowed));
    case Refusal::NameNotRead:
        return Texts::tr("the name has no reading in kana, letters and digits; write it in kana");
    case Refusal::NameReaderMissing:
        return Texts::tr("names in kanji cannot be read: install the Debian package %1")
            .arg(FromUtf8(refusal.character));
    }
    return {};
}

QString DescribePatchRefusal(teamdata::PatchRefusal refusal) {
    using teamdata::PatchRefusal;
    switch (refusal) {
    case PatchRefusal::None:
        return {};
    case PatchRefusal::NotAPatch:
        return Texts::tr("the file is no BPS or IPS patch");
    case PatchRefusal::Malformed:
        return Texts::tr("the patch is damaged or cut short");
    case PatchRefusal::SourceSizeMismatch:
        return Texts::tr("the image is not the one the patch was made for (its size differs)");
    case PatchRefusal::SourceChecksumMismatch:
        return Texts::tr("the image is not the one the patch was made for (its checksum differs)");
    case PatchRefusal::PatchChecksumMismatch:
        return Texts::tr("the patch is damaged (its own checksum does not match)");
    case PatchRefusal::ResultChecksumMismatch:
        return Texts::tr("the patched image does not match the patch's checksum");
    case PatchRefusal::TooLarge:
        return Texts::tr("the patch would make an image larger than %1 MiB, larger than any "
                         "image the program reads")
            .arg(teamdata::MaxBpsResultSize >> 20);
    }
    return {};
}

QString DescribeException(const std::exception& error) {
    if (const auto* notANumber = dynamic_cast<const teamdata::NotANumberError*>(&error))
        return DescribeNotANumber(notANumber->Text());
    return QString::fromUtf8(error.what());
}

QString DescribeNotANumber(const std::string& text) {
    return Texts::tr("'%1' is not a number").arg(FromUtf8(text));
}

QString PatchFormatName(teamdata::PatchFormat format) {
    return format == teamdata::PatchFormat::Bps ? QStringLiteral("BPS") : QStringLiteral("IPS");
}

} // namespace exchange
