// SPDX-License-Identifier: MIT
// name: readings of names written in kanji, for scripts that fill rosters.
#include "Commands.h"

#include "CliText.h"
#include "CommandSupport.h"

#include "KanjiReader.h"
#include "NameNormalizer.h"
#include "TeamReport.h"

#include <QStringList>

#include <string>
#include <vector>

namespace cli {

namespace {

// A text without kanji has the one reading the name rules give it.
readings::KanjiReadings ReadingsOf(readings::KanjiReader& reader, const std::string& text) {
    readings::KanjiReadings read = reader.Read(text);
    if (read.outcome != readings::KanjiReadings::Outcome::NoKanji)
        return read;
    readings::NameReading asWritten = readings::ReadingOfKana(text);
    if (asWritten.spelling.empty()) {
        read.outcome = readings::KanjiReadings::Outcome::Unreadable;
    } else {
        read.outcome = readings::KanjiReadings::Outcome::Read;
        read.readings.push_back(std::move(asWritten));
    }
    return read;
}

} // namespace

int RunName(const Invocation& call) {
    const QString format = call.Value(QStringLiteral("format")).toLower();
    if (call.IsSet(QStringLiteral("format")) && format != QLatin1String("text") &&
        format != QLatin1String("csv"))
        return ReportUsage(call.err, call.command,
                           Cli::tr("unknown format \"%1\"; it is text or csv")
                               .arg(Shown(call.Value(QStringLiteral("format")))));
    const bool csv = format == QLatin1String("csv");

    readings::KanjiReader reader;
    std::string lines = csv ? "text,reading,spelling,places\r\n" : "";
    int status = Done;
    for (int i = 0; !call.Argument(i).isNull(); ++i) {
        const std::string text = call.Argument(i).toStdString();
        const readings::KanjiReadings read = ReadingsOf(reader, text);
        if (read.outcome == readings::KanjiReadings::Outcome::DictionaryMissing) {
            WriteBytes(call.out, QByteArray::fromStdString(lines));
            return Report(call.err,
                          Cli::tr("names in kanji cannot be read: there is no dictionary in %1; "
                                  "install the Debian package %2")
                              .arg(QString::fromStdString(read.dictionaryFolder),
                                   QLatin1String(readings::DictionaryPackage)),
                          FileFailed);
        }
        if (read.outcome != readings::KanjiReadings::Outcome::Read) {
            Report(call.err, Cli::tr("\"%1\" has no reading in kana, letters and digits")
                                 .arg(Shown(call.Argument(i))));
            status = DataRefused;
            continue;
        }
        for (const readings::NameReading& reading : read.readings) {
            const std::string places = std::to_string(reading.places);
            if (csv)
                lines += reports::CsvField(text) + ',' + reports::CsvField(reading.kana) + ',' +
                         reports::CsvField(reading.spelling) + ',' + places + "\r\n";
            else
                lines += text + '\t' + reading.spelling + '\t' + places + '\n';
        }
    }
    WriteBytes(call.out, QByteArray::fromStdString(lines));
    return status;
}

} // namespace cli
