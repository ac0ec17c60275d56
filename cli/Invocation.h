// SPDX-License-Identifier: MIT
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <istream>
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

    const QString command;
    std::istream& in;
    std::ostream& out;
    std::ostream& err;

private:
    const QCommandLineParser& parser_;
    QStringList arguments_;
};

} // namespace cli
