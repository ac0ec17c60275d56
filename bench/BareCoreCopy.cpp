// SPDX-License-Identifier: MIT
// The floor for a command of tolvanek-cli: a bare Qt Core program that reads the image whole and
// writes a file of the size the command writes, nothing checked, converted or flushed. Built a
// second time with SYNC_AND_RENAME, it writes the way every output file of the program is written
// (a temporary file beside the target, flushed to the disk, renamed into place, the folder
// flushed), which shows what that safety costs on the machine's disk.
//
// Built a third time with READ_TWO, it reads a second image first, for the commands that read two
// (diff).
//
//   bench_bare_core_copy IMAGE OUTPUT SIZE
//   bench_bare_core_read_two OTHER IMAGE OUTPUT SIZE
#include <QCoreApplication>
#include <QFile>

#ifdef SYNC_AND_RENAME
#include <QDir>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>
#endif

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
#ifdef READ_TWO
    if (argc != 5)
        return 2;
    QFile other(QString::fromLocal8Bit(argv[1]));
    if (!other.open(QIODevice::ReadOnly) || other.readAll().isEmpty())
        return 3;
    ++argv;
#else
    if (argc != 4)
        return 2;
#endif
    QFile image(QString::fromLocal8Bit(argv[1]));
    if (!image.open(QIODevice::ReadOnly))
        return 3;
    const QByteArray bytes = image.readAll();
    // The output is made of the image's bytes, so that the read cannot be left out.
    const qsizetype size = std::atoll(argv[3]);
    if (bytes.size() < size)
        return 1;
    const QString target = QString::fromLocal8Bit(argv[2]);
#ifdef SYNC_AND_RENAME
    const QString temporary = QFileInfo(target).dir().filePath(
        QStringLiteral(".") + QFileInfo(target).fileName() + QStringLiteral(".tmp"));
#else
    const QString& temporary = target;
#endif
    QFile output(temporary);
    if (!output.open(QIODevice::WriteOnly) || output.write(bytes.constData(), size) != size ||
        !output.flush())
        return 3;
#ifdef SYNC_AND_RENAME
    if (::fsync(output.handle()) != 0)
        return 3;
    output.close();
    // QFile::rename refuses to replace a file; the program replaces it the POSIX way.
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(target).constData()) != 0)
        return 3;
    const int folder =
        ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(), O_RDONLY);
    if (folder < 0 || ::fsync(folder) != 0)
        return 3;
    ::close(folder);
#endif
    return 0;
}
