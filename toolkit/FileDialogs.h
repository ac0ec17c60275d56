// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

// A file dialog described the way the editor's menus describe them. The filter is written as
// description|patterns pairs ("NESticle ROM|*.nes|すべてのファイル(*.*)|*.*"); "*.*" means every
// file. The initial file name may be a wildcard, which then filters the listing.
struct FileDialogSettings {
    QString filter;
    QString defaultExtension;
    QString initialFileName;
    bool askBeforeOverwrite = false;
    QString caption; // the dialog's own when empty
    // The default extension follows the chosen filter ("*.ips" gives "ips"), for dialogs whose
    // filters stand for file formats.
    bool extensionFromFilter = false;
};

// Qt's own widget dialogs (never the desktop's native ones). Both return the chosen full path,
// or an empty text when the user cancels. Every dialog starts in the folder of the file last
// chosen in this run; nothing about the dialogs is stored anywhere.
[[nodiscard]] QString RunOpenDialog(QWidget* parent, const FileDialogSettings& settings);
[[nodiscard]] QString RunSaveDialog(QWidget* parent, const FileDialogSettings& settings);

// A save dialog whose file types are ways of writing one kind of file (a CSV file in Shift_JIS or
// in UTF-8): the chosen full path, empty when the user cancels, and the index of the file type
// chosen with it, counted from 0 in the order of the filter.
struct SaveChoice {
    QString path;
    int fileType = 0;
};
[[nodiscard]] SaveChoice RunSaveDialogWithType(QWidget* parent, const FileDialogSettings& settings);

// The Qt name filters for a description|patterns filter text.
[[nodiscard]] QStringList NameFiltersOf(const QString& filter);
