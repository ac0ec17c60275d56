// SPDX-License-Identifier: MIT
// diff: an image compared with another image, a patch or a league file or team CSV.
#include "Commands.h"

#include "CliText.h"
#include "CommandSupport.h"
#include "StandardStreams.h"

#include "Changes.h"
#include "Compare.h"
#include "CsvReader.h"
#include "Files.h"
#include "ImageFile.h"
#include "ImageIdentity.h"
#include "Import.h"
#include "JsonForms.h"
#include "League.h"
#include "LeagueCsv.h"
#include "PatchFiles.h"
#include "SafeImageWriter.h"
#include "TeamInitials.h"

#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace cli {

namespace {

// The other commands' refusal is diff's "different"; a refused input of diff has a status of its
// own.
int AsDiffStatus(int status) {
    return status == DataRefused ? DiffRefused : status;
}

// What IMAGE is compared with, as diff was asked for it: another image, or IMAGE as a patch or
// an import would make it. `status` is Done or what to end with, reported.
struct Compared {
    plans::ComparisonPlan plan;
    int status = Done;
};

// The other side read as diff was asked for it, or the status to end with, reported.
struct OtherSide {
    plans::CompareKind kind = plans::CompareKind::Image;
    QString name; // as messages name it
    QByteArray bytes;
    NamedTeam team;
    int status = Done;
};

OtherSide ReadOtherSide(const Invocation& call) {
    OtherSide side;
    const bool other = call.IsSet(QStringLiteral("csv")) || call.IsSet(QStringLiteral("patch"));
    if (call.IsSet(QStringLiteral("csv")) && call.IsSet(QStringLiteral("patch"))) {
        side.status =
            ReportUsage(call.err, call.command, Cli::tr("give --patch or --csv, not both"));
        return side;
    }
    if (call.IsSet(QStringLiteral("team")) && !call.IsSet(QStringLiteral("csv"))) {
        side.status =
            ReportUsage(call.err, call.command, Cli::tr("--team names the team of --csv"));
        return side;
    }
    const QString second = call.Argument(1);
    if (second.isEmpty() == !other) {
        side.status =
            ReportUsage(call.err, call.command,
                        Cli::tr("give one of OTHER, --patch PATCH and --csv FILE to compare with"));
        return side;
    }
    if (!other) {
        // Opened, with its doubts worded, as every command opens an image.
        side.name = second;
        const OpenedImage opened = OpenImage(second, call.Force(), call.err);
        side.bytes = QByteArray(reinterpret_cast<const char*>(opened.image.bytes.data()),
                                static_cast<qsizetype>(opened.image.bytes.size()));
        side.status = AsDiffStatus(opened.status);
        return side;
    }
    if (call.IsSet(QStringLiteral("patch"))) {
        side.kind = plans::CompareKind::Patch;
        side.name = call.Value(QStringLiteral("patch"));
        side.status = AsDiffStatus(
            ReadInputFile(side.name, exchange::MaxPatchFileSize, side.bytes, call.err));
        return side;
    }
    side.kind = plans::CompareKind::Csv;
    side.team = TeamOption(call);
    if (side.team.status != Done) {
        side.status = side.team.status;
        return side;
    }
    const QString file = call.Value(QStringLiteral("csv"));
    side.name = file == StandardStream ? StandardInputName : file;
    side.status =
        AsDiffStatus(file == StandardStream
                         ? ReadStandardInput(call.in, side.bytes, call.err)
                         : ReadInputFile(file, exchange::MaxCsvFileSize, side.bytes, call.err));
    return side;
}

// The other side of a comparison as the words and the review page take an image.
Compared AfterImageOf(const Invocation& call, const exchange::LoadedImage& image) {
    Compared compared;
    const OtherSide side = ReadOtherSide(call);
    if (side.status != Done) {
        compared.status = side.status;
        return compared;
    }
    plans::CompareChoices how;
    how.team = side.team.team;
    // An image opened above has had its --force asked for already.
    how.agreed = call.Force() || side.kind == plans::CompareKind::Image;
    how.decodeText = exchange::DecodeTextBytes;
    how.round = call.IsSet(QStringLiteral("round"));
    compared.plan = plans::PlanComparison(image.bytes, BytesOf(side.bytes), side.kind, how);
    const plans::ComparisonPlan& plan = compared.plan;
    const auto refuse = [&](const QString& why) {
        return Report(call.err,
                      Cli::tr("%1 cannot be compared as %2 would make it: %3")
                          .arg(Shown(call.Argument(0)), Shown(side.name), why),
                      DiffRefused);
    };
    // Read exactly as the import reads it, with its errors reported as the import reports them.
    if (plan.read) {
        if (const int status = call.CheckCsvRead(side.name, plan.read->leagueFile);
            status != Done) {
            compared.status = status;
            return compared;
        }
        ReportCsvIssues(call.err, side.name, *plan.read);
    }
    switch (plan.decision) {
    case plans::CompareDecision::Compared:
        break;
    case plans::CompareDecision::AlreadyApplied:
        Report(call.err, Cli::tr("note: %1").arg(exchange::DescribeApplyRefusal(*plan.apply)));
        return compared;
    case plans::CompareDecision::PatchRefused:
        compared.status = refuse(exchange::DescribeApplyRefusal(*plan.apply));
        return compared;
    case plans::CompareDecision::NoImage:
        compared.status = refuse(exchange::DescribeImageDoubt(plan.afterCheck));
        return compared;
    case plans::CompareDecision::AskFirst:
        refuse(Cli::tr("the patched image does not look like an image of this game (%1)")
                   .arg(exchange::DescribeImageDoubt(plan.afterCheck)));
        compared.status =
            Report(call.err,
                   Cli::tr("give --force to go on with it all the same, as answering yes in "
                           "the window does"),
                   DiffRefused);
        return compared;
    case plans::CompareDecision::TeamMissing:
        compared.status =
            ReportUsage(call.err, call.command, Cli::tr("name the team of a team CSV with --team"));
        return compared;
    case plans::CompareDecision::CsvRefused:
        compared.status = DiffRefused;
        return compared;
    }
    if (plan.apply)
        for (const QString& note : exchange::DescribeApplyNotes(*plan.apply))
            Report(call.err, Cli::tr("note: %1").arg(note));
    return compared;
}

} // namespace

int RunDiff(const Invocation& call) {
    const QString format = call.Value(QStringLiteral("format")).toLower();
    if (call.IsSet(QStringLiteral("format")) && format != QLatin1String("text") &&
        format != QLatin1String("csv") && format != QLatin1String("html") &&
        format != QLatin1String("json"))
        return ReportUsage(call.err, call.command,
                           Cli::tr("unknown format \"%1\"; it is text, csv, html or json")
                               .arg(Shown(call.Value(QStringLiteral("format")))));
    const OpenedImage opened = OpenImage(call.Argument(0), call.Force(), call.err);
    if (opened.status != Done)
        return AsDiffStatus(opened.status);
    const Compared compared = AfterImageOf(call, opened.image);
    if (compared.status != Done)
        return compared.status;

    const std::vector<teamdata::LeagueChange>& changes = compared.plan.changes;
    QByteArray bytes;
    if (format == QLatin1String("csv"))
        bytes = exchange::ChangeCsvBytes(changes);
    else if (format == QLatin1String("json"))
        bytes = QByteArray::fromStdString(reports::BuildChangeJson(changes));
    else if (format == QLatin1String("html"))
        bytes = exchange::ChangeHtmlBytes(changes, {plans::PlanOpen(compared.plan.after)});
    else
        bytes = exchange::ChangeText(changes).toUtf8();
    if (const int status = WriteOutput(call, call.Value(QStringLiteral("o")), BytesOf(bytes));
        status != Done)
        return AsDiffStatus(status);
    return changes.empty() ? Done : 1;
}

} // namespace cli
