// SPDX-License-Identifier: MIT
#pragma once

#include "FileDescriptor.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <chrono>
#include <cmath>
#include <istream>
#include <optional>
#include <ostream>

namespace cli {

// One command as it was called, after its options and arguments have been checked: the
// arguments by their place, the options by their long name, and the streams to use.
class Invocation {
public:
    Invocation(QString command, const QCommandLineParser& parser, QStringList arguments,
               std::istream& in, std::ostream& out, std::ostream& err)
        : command(std::move(command))
        , in(in)
        , out(out)
        , err(err)
        , parser_(parser)
        , arguments_(std::move(arguments)) {}

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

    const QString command;
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    // The file -o names as it was when the command began (checked before it is written).
    std::optional<teamdata::FileStamp> outputSeen;

private:
    const QCommandLineParser& parser_;
    QStringList arguments_;
};

} // namespace cli
