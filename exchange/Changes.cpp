// SPDX-License-Identifier: MIT
#include "Changes.h"

#include "ChangeReport.h"
#include "ImageIdentity.h"
#include "League.h"
#include "LeagueShow.h"
#include "ShiftJis.h"
#include "TeamWords.h"
#include "Translations.h"

#include "Patch.h"

#include <QCoreApplication>

#include <zlib.h>

#include <fstream>
#include <map>
#include <vector>

namespace exchange {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Changes)
};

// A word of the readable forms, translated, as the reports take it.
std::string Word(const char* text) {
    return QCoreApplication::translate("Changes", text).toStdString();
}

} // namespace

reports::ChangeLabels InterfaceChangeLabels() {
    reports::ChangeLabels labels;
    labels.batter = Word(QT_TRANSLATE_NOOP("Changes", "batter"));
    labels.pitcher = Word(QT_TRANSLATE_NOOP("Changes", "pitcher"));
    labels.helmet = Word(QT_TRANSLATE_NOOP("Changes", "helmet"));
    labels.uniform = Word(QT_TRANSLATE_NOOP("Changes", "uniform"));
    labels.battingOrder = Word(QT_TRANSLATE_NOOP("Changes", "batting order"));
    labels.pitchingOrder = Word(QT_TRANSLATE_NOOP("Changes", "pitching order"));
    labels.transfer = Word(QT_TRANSLATE_NOOP("Changes", "transfer"));
    labels.color = Word(QT_TRANSLATE_NOOP("Changes", "colour"));
    labels.bytes = Word(QT_TRANSLATE_NOOP("Changes", "bytes"));
    labels.formerName = Word(QT_TRANSLATE_NOOP("Changes", " (formerly %1)"));
    labels.byteRange = Word(QT_TRANSLATE_NOOP("Changes", "other bytes %1-%2 (%3 bytes)"));
    labels.byteTotal =
        Word(QT_TRANSLATE_NOOP("Changes", "other bytes: %1 ranges, %2 bytes in all"));
    labels.language = Word(QT_TRANSLATE_NOOP("Changes", "en"));
    labels.pageTitle = Word(QT_TRANSLATE_NOOP("Changes", "Changes"));
    labels.teamHeading = Word(QT_TRANSLATE_NOOP("Changes", "Team %1"));
    labels.bytesHeading = Word(QT_TRANSLATE_NOOP("Changes", "Other bytes"));
    labels.legend = Word(
        QT_TRANSLATE_NOOP("Changes", "Coloured cells changed; the struck-out value is the one "
                                     "before. A row number in blue marks a row a player moved or "
                                     "was transferred to."));
    labels.noChanges = Word(QT_TRANSLATE_NOOP("Changes", "No changes."));
    // In Japanese the columns and the labels keep the data's own texts, as they always were.
    if (InterfaceLanguage() != Language::Japanese) {
        for (std::size_t c = 0; c < labels.batterColumns.size(); ++c)
            labels.batterColumns[c] =
                ColumnName(teamdata::Grid::Batters, static_cast<int>(c) + 1).toStdString();
        for (std::size_t c = 0; c < labels.pitcherColumns.size(); ++c)
            labels.pitcherColumns[c] =
                ColumnName(teamdata::Grid::Pitchers, static_cast<int>(c) + 1).toStdString();
        labels.labelWords = InterfaceLabelWords();
    }
    return labels;
}

QString ChangeText(const std::vector<teamdata::LeagueChange>& changes) {
    return QString::fromStdString(reports::BuildChangeText(changes, InterfaceChangeLabels()));
}

QByteArray ChangeCsvBytes(const std::vector<teamdata::LeagueChange>& changes) {
    return ShiftJis::Encode(QString::fromStdString(reports::BuildChangeCsv(changes)));
}

QByteArray ChangeHtmlBytes(const std::vector<teamdata::LeagueChange>& changes,
                           const LoadedImage& after) {
    return QByteArray::fromStdString(
        reports::BuildChangeHtml(changes, TextsOf(RecordsOf(after)), InterfaceChangeLabels()));
}

QStringList TeamSummaries(const std::vector<teamdata::LeagueChange>& changes) {
    struct Counts {
        int cells = 0, colours = 0, moves = 0, transfers = 0;
    };
    std::map<int, Counts> teams;
    for (const teamdata::LeagueChange& change : changes) {
        const std::optional<teamdata::ChangePlace> place = teamdata::PlaceOf(change);
        if (!place)
            continue;
        Counts& counts = teams[place->team];
        if (std::holds_alternative<teamdata::CellChange>(change))
            ++counts.cells;
        else if (std::holds_alternative<teamdata::ColorChange>(change))
            ++counts.colours;
        else if (std::holds_alternative<teamdata::PlayerMove>(change))
            ++counts.moves;
        else
            ++counts.transfers;
    }
    QStringList lines;
    for (const auto& [team, counts] : teams) {
        QStringList parts;
        if (counts.cells)
            parts << Texts::tr("%n cell(s)", nullptr, counts.cells);
        if (counts.colours)
            parts << Texts::tr("%n colour(s)", nullptr, counts.colours);
        if (counts.moves)
            parts << Texts::tr("%n move(s)", nullptr, counts.moves);
        if (counts.transfers)
            parts << Texts::tr("%n transfer(s)", nullptr, counts.transfers);
        lines << Texts::tr("%1: %2", "a team and what changed in it")
                     .arg(TeamInitialsText(team), parts.join(Texts::tr(", ", "between counts")));
    }
    return lines;
}

bool ShownAsOneLine(const LoadedImage& image) {
    return image.read == teamdata::FileRead::TooLarge ||
           (image.read == teamdata::FileRead::Read && image.Refused());
}

QByteArray UnshownFileBytes(const QString& path, const LoadedImage& image) {
    std::uint64_t size = image.bytes.size();
    std::uint32_t checksum = teamdata::Crc32(image.bytes);
    if (image.read == teamdata::FileRead::TooLarge) {
        // Never held whole: read a piece at a time for its checksum alone.
        std::ifstream file(NativePath(path), std::ios::binary);
        std::vector<char> piece(std::size_t{1} << 20);
        uLong crc = crc32_z(0, nullptr, 0);
        size = 0;
        while (file.read(piece.data(), static_cast<std::streamsize>(piece.size())) ||
               file.gcount() > 0) {
            const auto count = static_cast<std::size_t>(file.gcount());
            crc = crc32_z(crc, reinterpret_cast<const Bytef*>(piece.data()), count);
            size += count;
        }
        checksum = static_cast<std::uint32_t>(crc);
    }
    const QString why = DescribeImageDoubt(image);
    const QString line =
        size == 0 ? Texts::tr("an empty file, whose teams cannot be shown: %1").arg(why)
                  : Texts::tr("a file of %1 bytes (CRC-32 %2) whose teams cannot be shown: %3")
                        .arg(size)
                        .arg(ChecksumText(checksum), why);
    return (line + QLatin1Char('\n')).toUtf8();
}

} // namespace exchange
