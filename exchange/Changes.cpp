// SPDX-License-Identifier: MIT
#include "Changes.h"

#include "ChangeReport.h"
#include "ImageIdentity.h"
#include "League.h"
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

} // namespace

reports::ChangeLabels InterfaceChangeLabels() {
    return reports::ChangeLabelsIn(InterfaceWords());
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
