// SPDX-License-Identifier: MIT
#pragma once

#include "FileDescriptor.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <chrono>
#include <cmath>
#include <functional>
#include <istream>
#include <optional>
#include <ostream>

namespace cli {

// One command as it was called, after its options and arguments have been checked: the
// arguments by their place, the options by their long name, and the streams to use.
class Invocation {
public:
    // `csvRule` checks a league file or team CSV that has been read: its status (0 when the
    // command goes on, otherwise the usage error, reported) and the arguments, the file's name
    // as messages show it and whether it is a league file.
    using CsvRule = std::function<int(const QString&, bool)>;

    Invocation(QString command, const QCommandLineParser& parser, QStringList arguments,
               std::istream& in, std::ostream& out, std::ostream& err, CsvRule csvRule)
        : command(std::move(command))
        , in(in)
        , out(out)
        , err(err)
        , parser_(parser)
        , arguments_(std::move(arguments))
        , csvRule_(std::move(csvRule)) {}

    // Empty for an optional argument that was left out.
    [[nodiscard]] QString Argument(qsizetype index) const { return arguments_.value(index); }
    [[nodiscard]] bool IsSet(const QString& option) const { return parser_.isSet(option); }
    [[nodiscard]] QString Value(const QString& option) const { return parser_.value(option); }
    // --force: go on with an image that does not look like the game's.
    [[nodiscard]] bool Force() const { return parser_.isSet(QStringLiteral("force")); }
    // --wait: how long to wait for another program's lock on a file to be written. A lock held
    // longer than a save takes is held by someone who is not about to let go.
    [[nodiscard]] std::chrono::milliseconds WaitLimit() const {
        if (!parser_.isSet(QStringLiteral("wait")))
            return DefaultWait;
        return std::chrono::milliseconds(
            std::llround(parser_.value(QStringLiteral("wait")).toDouble() * 1000));
    }
    static constexpr std::chrono::milliseconds DefaultWait = std::chrono::seconds(30);
    // To be called by every command as soon as it has read a CSV file, before anything of it is
    // reported: the command line's rule for which options go with which file.
    [[nodiscard]] int CheckCsvRead(const QString& shownName, bool leagueFile) const {
        return csvRule_(shownName, leagueFile);
    }

    const QString command;
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    // The file -o names as it was when the command began (checked before it is written).
    std::optional<teamdata::FileStamp> outputSeen;

private:
    const QCommandLineParser& parser_;
    QStringList arguments_;
    CsvRule csvRule_;
};

} // namespace cli
