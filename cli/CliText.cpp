// SPDX-License-Identifier: MIT
#include "CliText.h"

namespace cli {

void WriteText(std::ostream& stream, const QString& text) {
    WriteBytes(stream, text.toUtf8());
}

void WriteBytes(std::ostream& stream, const QByteArray& bytes) {
    stream.write(bytes.constData(), static_cast<std::streamsize>(bytes.size()));
}

int Report(std::ostream& err, const QString& message, int status) {
    WriteText(err, QLatin1String(ProgramName) + QStringLiteral(": ") + message + QLatin1Char('\n'));
    err.flush();
    return status;
}

int ReportUsage(std::ostream& err, const QString& command, const QString& message) {
    Report(err, message);
    const QString program = QLatin1String(ProgramName);
    const QString help = command.isEmpty()
                             ? program + QStringLiteral(" --help")
                             : program + QLatin1Char(' ') + command + QStringLiteral(" --help");
    return Report(err, Cli::tr("see \"%1\" for how to use it").arg(help), WrongUsage);
}

} // namespace cli
