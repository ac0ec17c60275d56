// SPDX-License-Identifier: MIT
#include "FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

QStringList NameFiltersOf(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        result << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                      QLatin1Char(')');
    }
    return result;
}

namespace {

// The folder of the file last chosen in any of the dialogs during this run. It is kept in memory
// only: the program keeps no settings.
QString& LastFolder() {
    static QString folder;
    return folder;
}

// Qt's file dialog reads its history from the user's QtProject.conf and writes it back when it
// closes. Pointing that settings file below /dev/null, where no file can ever be created, leaves
// the dialog nothing to read and nowhere to write, so the program writes no configuration file.
void KeepFileDialogsFromSettings() {
#ifdef Q_OS_UNIX
    static const bool redirected = [] {
        for (QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(QSettings::NativeFormat, scope, QStringLiteral("/dev/null"));
        return true;
    }();
    (void)redirected;
#endif
}

// The index of the file type `selected` names. With the patterns hidden, Qt's dialog names the
// chosen type by its description alone.
int FileTypeIndex(const QString& filter, const QString& selected) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    const QStringList withPatterns = NameFiltersOf(filter);
    for (int i = 0; i + 1 < parts.size(); i += 2)
        if (selected == parts[i] || selected == withPatterns.value(i / 2))
            return i / 2;
    return 0;
}

SaveChoice Run(QWidget* parent, const FileDialogSettings& settings, QFileDialog::AcceptMode mode) {
    KeepFileDialogsFromSettings();
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    if (mode == QFileDialog::AcceptSave && !settings.askBeforeOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(NameFiltersOf(settings.filter));
    dialog.setDefaultSuffix(settings.defaultExtension);
    if (settings.extensionFromFilter) {
        const auto followFilter = [&dialog](const QString& filter) {
            const qsizetype star = filter.indexOf(QStringLiteral("*."));
            if (star >= 0)
                dialog.setDefaultSuffix(
                    filter.mid(star + 2).section(QLatin1Char(' '), 0, 0).remove(QLatin1Char(')')));
        };
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followFilter);
        followFilter(dialog.nameFilters().value(0));
    }
    if (!LastFolder().isEmpty())
        dialog.setDirectory(LastFolder());
    if (!settings.initialFileName.isEmpty())
        dialog.selectFile(settings.initialFileName);
    if (!settings.caption.isEmpty())
        dialog.setWindowTitle(settings.caption);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    LastFolder() = QFileInfo(chosen).absolutePath();
    return {chosen, FileTypeIndex(settings.filter, dialog.selectedNameFilter())};
}
} // namespace

QString RunOpenDialog(QWidget* parent, const FileDialogSettings& settings) {
    return Run(parent, settings, QFileDialog::AcceptOpen).path;
}

QString RunSaveDialog(QWidget* parent, const FileDialogSettings& settings) {
    return Run(parent, settings, QFileDialog::AcceptSave).path;
}

SaveChoice RunSaveDialogWithType(QWidget* parent, const FileDialogSettings& settings) {
    return Run(parent, settings, QFileDialog::AcceptSave);
}
