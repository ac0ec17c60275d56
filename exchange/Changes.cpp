// SPDX-License-Identifier: MIT
#include "Changes.h"

#include "ChangeReport.h"
#include "League.h"
#include "LeagueShow.h"
#include "ShiftJis.h"

#include <QCoreApplication>

#include <map>

namespace exchange {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Changes)
};

std::string Utf8(const QString& text) {
    return text.toStdString();
}

} // namespace

reports::ChangeLabels InterfaceChangeLabels() {
    reports::ChangeLabels labels;
    labels.batter = Utf8(Texts::tr("batter"));
    labels.pitcher = Utf8(Texts::tr("pitcher"));
    labels.helmet = Utf8(Texts::tr("helmet"));
    labels.uniform = Utf8(Texts::tr("uniform"));
    labels.battingOrder = Utf8(Texts::tr("batting order"));
    labels.pitchingOrder = Utf8(Texts::tr("pitching order"));
    labels.transfer = Utf8(Texts::tr("transfer"));
    labels.color = Utf8(Texts::tr("colour"));
    labels.bytes = Utf8(Texts::tr("bytes"));
    labels.formerName = Utf8(Texts::tr(" (formerly %1)"));
    labels.byteRange = Utf8(Texts::tr("other bytes %1-%2 (%3 bytes)"));
    labels.byteTotal = Utf8(Texts::tr("other bytes: %1 ranges, %2 bytes in all"));
    labels.language = Utf8(Texts::tr("en"));
    labels.pageTitle = Utf8(Texts::tr("Changes"));
    labels.teamHeading = Utf8(Texts::tr("Team %1"));
    labels.bytesHeading = Utf8(Texts::tr("Other bytes"));
    labels.legend = Utf8(Texts::tr("Coloured cells changed; the struck-out value is the one "
                                   "before. A row number in blue marks a row a player moved or "
                                   "was transferred to."));
    labels.noChanges = Utf8(Texts::tr("No changes."));
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
        lines << TeamInitialsText(team) + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
    }
    return lines;
}

QByteArray LeagueShowBytes(const LoadedImage& image) {
    return QByteArray::fromStdString(reports::BuildLeagueShow(image.bytes));
}

} // namespace exchange
