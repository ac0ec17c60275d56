// SPDX-License-Identifier: MIT
#include "League.h"

#include "Files.h"
#include "Import.h"
#include "IssueWords.h"
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
    return FromUtf8(reports::IssueText(InterfaceWords(), issue));
}

QString DescribeCellRefusal(const teamdata::CellRefusal& refusal) {
    return FromUtf8(reports::RefusalText(InterfaceWords(), refusal));
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
