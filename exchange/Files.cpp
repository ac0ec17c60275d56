// SPDX-License-Identifier: MIT
#include "Files.h"

#include "ImageCheck.h"
#include "ImageFile.h"

#include <QCoreApplication>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace exchange {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Files)
};

} // namespace

InputFile ReadInputFile(const QString& path, std::uint64_t maxSize) {
    InputFile input;
    std::vector<std::uint8_t> bytes;
    errno = 0;
    switch (teamdata::ReadWholeFile(NativePath(path), bytes, maxSize)) {
    case teamdata::FileRead::Read:
        input.outcome = InputFile::Outcome::Read;
        input.bytes = QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                 static_cast<qsizetype>(bytes.size()));
        return input;
    case teamdata::FileRead::Unreadable:
        input.systemError = errno;
        break;
    case teamdata::FileRead::NotAFile:
        input.outcome = InputFile::Outcome::NotAFile;
        return input;
    case teamdata::FileRead::TooLarge:
        input.outcome = InputFile::Outcome::TooLarge;
        return input;
    }
    input.outcome = InputFile::Outcome::Unreadable;
    return input;
}

bool IsSameFile(const QString& first, const QString& second) {
    std::error_code error;
    const bool same = std::filesystem::equivalent(std::filesystem::path(NativePath(first)),
                                                  std::filesystem::path(NativePath(second)), error);
    return same && !error;
}

QString WithReason(const QString& message, int systemError) {
    const QString reason = DescribeSystemError(systemError);
    return reason.isEmpty() ? message
                            : Texts::tr("%1: %2", "a message and its reason").arg(message, reason);
}

namespace {

// "cannot create X: it is not a regular file", or with the system's reason.
template <typename Result> QString CannotCreate(const Result& result, const QString& target) {
    const QString message = Texts::tr("cannot create %1").arg(Shown(target));
    if (result.targetNotPlainFile)
        return Texts::tr("%1: %2", "a message and its reason")
            .arg(message, Texts::tr("it is not a regular file"));
    return WithReason(message, result.systemError);
}

// What a write that failed part-way left at its target.
QString TargetLeft(teamdata::TargetState state, const QString& target, const std::string& copy) {
    switch (state) {
    case teamdata::TargetState::Unchanged:
        return Texts::tr("%1 is left as it was").arg(Shown(target));
    case teamdata::TargetState::Restored:
        return Texts::tr("the old content of %1 was put back").arg(Shown(target));
    case teamdata::TargetState::Damaged:
        if (copy.empty())
            return Texts::tr("%1 is damaged").arg(Shown(target));
        return Texts::tr("%1 is damaged; the complete new content is in %2")
            .arg(Shown(target), Shown(PathFromNative(copy)));
    }
    return {};
}

// A target that another program wrote after the command first looked at it is not replaced:
// that program's result would be lost without a word.
QString TargetChanged(const QString& target) {
    return Texts::tr("%1 was written by another program while this was under way; nothing was "
                     "written over it, so that its content is not lost")
        .arg(Shown(target));
}

} // namespace

QString DescribeLockHolder(const teamdata::LockHolder& holder) {
    if (holder.pid <= 0)
        return Texts::tr("another program");
    if (holder.name.empty())
        return Texts::tr("process %1").arg(holder.pid);
    return Texts::tr("process %1 (%2)").arg(holder.pid).arg(Shown(holder.name));
}

QString DescribeWriteFailure(const teamdata::ImageWriteResult& result, const QString& image,
                             const QString& target) {
    using Outcome = teamdata::ImageWriteOutcome;
    switch (result.outcome) {
    case Outcome::Written:
        return {};
    case Outcome::SourceUnreadable:
        return WithReason(Texts::tr("cannot read %1").arg(Shown(image)), result.systemError);
    case Outcome::SourceRefused:
        return Texts::tr("%1 changed while it was being read; nothing was written")
            .arg(Shown(image));
    case Outcome::SourceChanged:
        return Texts::tr("%1 was changed by another program after it was read; nothing was "
                         "written, so that its changes are not lost")
            .arg(Shown(image));
    case Outcome::Busy:
        return Texts::tr("%1 is locked by %2; nothing was written")
            .arg(Shown(result.lockedFile.empty() ? target : PathFromNative(result.lockedFile)),
                 DescribeLockHolder(result.holder));
    case Outcome::TargetChanged:
        return TargetChanged(target);
    case Outcome::TargetUncreatable:
        return CannotCreate(result, target);
    case Outcome::WriteFailed:
        return Texts::tr("%1; %2", "what failed; what it left")
            .arg(WithReason(Texts::tr("cannot write %1").arg(Shown(target)), result.systemError),
                 TargetLeft(result.target, target, result.completeCopy));
    case Outcome::TextRefused:
        return Texts::tr("the teams cannot be written into %1").arg(Shown(target));
    }
    return {};
}

QString DescribeWriteFailure(const teamdata::FileWriteResult& result, const QString& target) {
    switch (result.outcome) {
    case teamdata::FileWriteOutcome::Written:
        return {};
    case teamdata::FileWriteOutcome::TargetUncreatable:
        return CannotCreate(result, target);
    case teamdata::FileWriteOutcome::WriteFailed:
        return Texts::tr("%1; %2", "what failed; what it left")
            .arg(WithReason(Texts::tr("cannot write %1").arg(Shown(target)), result.systemError),
                 TargetLeft(result.target, target, result.completeCopy));
    case teamdata::FileWriteOutcome::Busy:
        return Texts::tr("%1 is locked by %2; nothing was written")
            .arg(Shown(target), DescribeLockHolder(result.holder));
    case teamdata::FileWriteOutcome::TargetChanged:
        return TargetChanged(target);
    }
    return {};
}

QString DescribeWriteAftermath(const teamdata::WriteAftermath& aftermath, const QString& target) {
    QStringList said;
    if (aftermath.folderSyncError != 0)
        said << WithReason(Texts::tr("%1 holds the new content, but its folder could not be "
                                     "written to the disk, so a power cut may still bring back "
                                     "the old one")
                               .arg(Shown(target)),
                           aftermath.folderSyncError);
    for (const std::string& copy : aftermath.unremovedCopies)
        said << WithReason(Texts::tr("%1 holds the new content, but the older copy %2 beside it "
                                     "could not be removed; it is no longer needed")
                               .arg(Shown(target), Shown(PathFromNative(copy))),
                           aftermath.removalError);
    return said.join(QStringLiteral("\n"));
}

QString DescribeInterruptedSave(const QString& image, const QString& copy) {
    return Texts::tr("a save into %1 was stopped before it ended; if %1 does not hold what was "
                     "saved, the complete new image is in %2")
        .arg(Shown(image), Shown(copy));
}

QString DescribeSystemError(int error) {
    switch (error) {
    case 0:
        return {};
    case ENOSPC:
        return Texts::tr("no space left on the device");
#ifdef EDQUOT
    case EDQUOT:
        return Texts::tr("the disk quota is used up");
#endif
    case EACCES:
    case EPERM:
        return Texts::tr("permission denied");
    case EROFS:
        return Texts::tr("the file system is read-only");
    case ENOENT:
        return Texts::tr("no such file or folder");
    case ENXIO:
        return Texts::tr("no device or reader is behind the name");
    case ENODEV:
        return Texts::tr("no such device");
    case EBADF:
        return Texts::tr("it is closed");
    case EPIPE:
        return Texts::tr("the reading end is closed");
    case ENOMEM:
        return Texts::tr("not enough memory");
    case EMFILE:
    case ENFILE:
        return Texts::tr("too many files are open");
    case ENOTSUP:
        return Texts::tr("the file system does not support it");
    case EAGAIN:
        return Texts::tr("it is not ready; try again");
    case ENOTDIR:
        return Texts::tr("a part of the path is no folder");
    case EISDIR:
        return Texts::tr("it is a folder");
    case EBUSY:
    case ETXTBSY:
        return Texts::tr("the file is in use");
    case EXDEV:
        return Texts::tr("the file is mounted over another file system");
    case EIO:
        return Texts::tr("input/output error");
    case ENAMETOOLONG:
        return Texts::tr("the name is too long");
    case ELOOP:
        return Texts::tr("too many symbolic links");
    case EFBIG:
        return Texts::tr("the file is too large");
    case EEXIST:
        return Texts::tr("a file of that name is in the way");
    case ESPIPE:
        return Texts::tr("it is a named pipe, not a file");
    default:
        break;
    }
    return QString::fromLocal8Bit(std::strerror(error));
}

namespace {

// Characters that would change or hide what a message says: C0 and C1 controls, format
// characters (bidirectional overrides that turn the text around, zero-width spaces and joiners,
// the byte-order mark), line and paragraph separators, and the replacement character, which
// would pass off a byte that is no text as a character.
bool ShownAsCodePoint(char32_t point) {
    switch (QChar::category(point)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return point == 0xFFFD;
    }
}

} // namespace

QString Shown(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        char32_t point = unit;
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text.at(i + 1).unicode()))
            point = QChar::surrogateToUcs4(unit, text.at(++i).unicode());
        if (unit == 0) {
            shown += QStringLiteral("\\0");
        } else if (unit == u'\r') {
            shown += QStringLiteral("\\r");
        } else if (unit == u'\n') {
            shown += QStringLiteral("\\n");
        } else if (unit == u'\t') {
            shown += QStringLiteral("\\t");
        } else if (unit < 0x20 || unit == 0x7F) {
            shown += QStringLiteral("\\x%1").arg(unit, 2, 16, QLatin1Char('0'));
        } else if (point == unit && IsEscapedByte(unit)) {
            shown += QStringLiteral("\\x%1").arg(unit - 0xDC00, 2, 16, QLatin1Char('0'));
        } else if (ShownAsCodePoint(point)) {
            shown += QStringLiteral("U+%1")
                         .arg(static_cast<uint>(point), 4, 16, QLatin1Char('0'))
                         .toUpper();
        } else if (point != unit) {
            shown += QChar(QChar::highSurrogate(point));
            shown += QChar(QChar::lowSurrogate(point));
        } else {
            shown += QChar(unit);
        }
    }
    return shown;
}

QString Shown(std::string_view utf8) {
    return Shown(PathFromNative(utf8));
}

} // namespace exchange
