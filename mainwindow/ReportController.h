// SPDX-License-Identifier: MIT
#pragma once

#include "Exports.h"
#include "ImageFile.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <span>

class QWidget;

// The window's exports and its patch making, from the file names the user chose to the file on
// disk and the message about it: the plans make the bytes, this class reads the image, writes,
// asks and words, and TMainForm's handlers only run their dialogs and hand over.
class TReportController {
public:
    explicit TReportController(QWidget* parent);

    // The file `how` asks for, written to `path`. The league's files read every team from the
    // image at `imagePath` as it is on disk, with `how.shown` standing in for the shown team;
    // a team's files need only `how.shown`.
    void Export(const QString& path, const QString& imagePath, const plans::ExportChoices& how);

    // The image at `originalPath` as the source of a patch: read, and where it does not look
    // like the game's, asked about. Empty when it is not used; the user has been told why.
    [[nodiscard]] std::optional<exchange::LoadedImage> PatchOriginal(const QString& originalPath);

    // The patch from `original` to the image at `imagePath` as it is on disk, in the format the
    // extension of `patchPath` chooses, written there.
    void MakePatch(const QString& patchPath, const exchange::LoadedImage& original,
                   const QString& imagePath);

private:
    // Written beside the old file and renamed into place, then told.
    void WriteReport(const QString& path, std::span<const std::uint8_t> bytes);

    QWidget* parent_;
};
