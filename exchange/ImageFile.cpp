// SPDX-License-Identifier: MIT
#include "ImageFile.h"

#include "Files.h"
#include "TRomTeamData.h"
#include "Team.h"
#include "TextEncoding.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>

using namespace teamdata;

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ImageFile)
};
} // namespace

namespace exchange {

LoadedImage LoadImage(const QString& path) {
    std::vector<std::uint8_t> bytes;
    errno = 0;
    const FileRead read = ReadWholeFile(NativePath(path), bytes);
    const int systemError = read == FileRead::Unreadable ? errno : 0;
    return {plans::PlanOpen(std::move(bytes), read), systemError};
}

std::string NativePath(const QString& path) {
    std::string bytes;
    QString run;
    const auto flush = [&] {
        bytes += run.toStdString();
        run.clear();
    };
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t unit = path.at(i).unicode();
        const bool secondHalf = i > 0 && QChar::isHighSurrogate(path.at(i - 1).unicode());
        if (IsEscapedByte(unit) && !secondHalf) {
            flush();
            bytes += static_cast<char>(unit - 0xDC00);
        } else {
            run += QChar(unit);
        }
    }
    flush();
    return bytes;
}

QString PathFromNative(std::string_view bytes) {
    QString path;
    for (std::size_t i = 0; i < bytes.size();) {
        // The longest valid UTF-8 character starting here, if any.
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t length = lead < 0x80             ? 1
                             : (lead & 0xE0) == 0xC0 ? 2
                             : (lead & 0xF0) == 0xE0 ? 3
                             : (lead & 0xF8) == 0xF0 ? 4
                                                     : 0;
        if (length > 1 &&
            (length > bytes.size() - i || !reports::IsValidUtf8(bytes.substr(i, length))))
            length = 0;
        if (length == 0) {
            path += QChar(static_cast<char16_t>(0xDC00 + lead));
            ++i;
            continue;
        }
        // Decoded here rather than by QString::fromUtf8, which drops a byte-order mark at the
        // start of what it is given: a name beginning with one would lead to another file.
        char32_t point = length == 1 ? lead : lead & (0x7Fu >> length);
        for (std::size_t k = 1; k < length; ++k)
            point = (point << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3Fu);
        if (QChar::requiresSurrogates(point)) {
            path += QChar(QChar::highSurrogate(point));
            path += QChar(QChar::lowSurrogate(point));
        } else {
            path += QChar(static_cast<char16_t>(point));
        }
        i += length;
    }
    return path;
}

QString TeamInitialsText(int team) {
    if (!IsValidTeam(team))
        return {};
    const std::string_view initials = TRomTeamData::TeamInitials[static_cast<std::size_t>(team)];
    return QString::fromUtf8(initials.data(), static_cast<qsizetype>(initials.size()));
}

QString DescribeImageDoubt(const LoadedImage& image) {
    switch (image.read) {
    case FileRead::Read:
        break;
    case FileRead::Unreadable:
        if (image.systemError != 0)
            return Texts::tr("the file cannot be read: %1")
                .arg(exchange::DescribeSystemError(image.systemError));
        return Texts::tr("the file cannot be read");
    case FileRead::NotAFile:
        return Texts::tr("it is not a regular file");
    case FileRead::TooLarge:
        return Texts::tr("the file is too large to be an image of this game");
    }
    return DescribeImageDoubt(image.check);
}

QString DescribeImageDoubt(const ImageCheck& check) {
    const QString team = TeamInitialsText(check.team);
    switch (check.doubt) {
    case ImageDoubt::None:
        return {};
    case ImageDoubt::NoInesMagic:
        return Texts::tr("the file is not an iNES image (it does not begin with NES and 0x1A)");
    case ImageDoubt::TooShort:
        return Texts::tr(
                   "the file is too short to hold the team data (%1 bytes, at least %2 needed)")
            .arg(check.actualSize)
            .arg(ImageMinimumSize);
    case ImageDoubt::LengthMismatch:
        return Texts::tr("the file is %1 bytes long, but its header declares %2 bytes")
            .arg(check.actualSize)
            .arg(check.declaredSize);
    case ImageDoubt::UnreadableRecord:
        return Texts::tr("team %1 holds a player record that this game cannot have written")
            .arg(team);
    case ImageDoubt::UnreadableName:
        return Texts::tr("a pitcher's name in team %1 holds tiles that are no characters")
            .arg(team);
    case ImageDoubt::FieldingPositions:
        return Texts::tr(
                   "the batting order of team %1 does not hold the positions 2 to 9 once each")
            .arg(team);
    }
    return {};
}

} // namespace exchange
