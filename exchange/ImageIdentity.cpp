// SPDX-License-Identifier: MIT
#include "ImageIdentity.h"

#include "Patch.h"

#include <QCoreApplication>
#include <QCryptographicHash>

namespace exchange {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ImageIdentity)
};

QString Sha1(std::span<const std::uint8_t> bytes) {
    return QString::fromLatin1(
        QCryptographicHash::hash(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
                                 QCryptographicHash::Sha1)
            .toHex());
}

QString Size(std::uint64_t bytes) {
    if (bytes % 1024 == 0)
        return Texts::tr("%1 KiB").arg(bytes / 1024);
    return Texts::tr("%1 bytes").arg(bytes);
}

} // namespace

ImageIdentity IdentityOf(const LoadedImage& image) {
    ImageIdentity identity;
    const std::span<const std::uint8_t> bytes = image.bytes;
    identity.header = teamdata::ReadInesHeader(bytes);
    identity.size = bytes.size();
    identity.crc32 = teamdata::Crc32(bytes);
    identity.sha1 = Sha1(bytes);
    const std::span<const std::uint8_t> data = bytes.size() >= teamdata::InesHeaderBytes
                                                   ? bytes.subspan(teamdata::InesHeaderBytes)
                                                   : std::span<const std::uint8_t>();
    identity.dataCrc32 = teamdata::Crc32(data);
    identity.dataSha1 = Sha1(data);
    return identity;
}

QString HeaderKindName(teamdata::InesKind kind) {
    switch (kind) {
    case teamdata::InesKind::Ines10:
        return QStringLiteral("iNES 1.0");
    case teamdata::InesKind::Nes20:
        return QStringLiteral("NES 2.0");
    case teamdata::InesKind::Archaic:
        return Texts::tr("archaic iNES");
    }
    return {};
}

QString ChecksumText(std::uint32_t checksum) {
    return QStringLiteral("%1").arg(checksum, 8, 16, QLatin1Char('0')).toUpper();
}

QStringList DescribeIdentity(const ImageIdentity& identity, const LoadedImage& image) {
    QStringList lines;
    const auto line = [&](const QString& label, const QString& value) {
        lines << label + QStringLiteral(": ") + value;
    };
    if (identity.header) {
        line(Texts::tr("header"), HeaderKindName(identity.header->kind));
        line(Texts::tr("program data"), Size(identity.header->programSize));
        line(Texts::tr("character data"), Size(identity.header->characterSize));
        line(Texts::tr("mapper"), QString::number(identity.header->mapper));
    } else {
        line(Texts::tr("header"), Texts::tr("none (no iNES header)"));
    }
    line(Texts::tr("file size"), Texts::tr("%1 bytes").arg(identity.size));
    line(Texts::tr("CRC-32"), ChecksumText(identity.crc32));
    line(Texts::tr("SHA-1"), identity.sha1);
    line(Texts::tr("CRC-32 without header"), ChecksumText(identity.dataCrc32));
    line(Texts::tr("SHA-1 without header"), identity.dataSha1);
    QString check;
    if (image.Refused())
        check = Texts::tr("cannot be used (%1)").arg(DescribeImageDoubt(image));
    else if (image.Questionable())
        check = Texts::tr("doubtful (%1)").arg(DescribeImageDoubt(image));
    else
        check = Texts::tr("no problems found");
    line(Texts::tr("check"), check);
    return lines;
}

} // namespace exchange
