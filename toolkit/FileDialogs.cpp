#include "FileDialogs.h"

#include <QFileDialog>

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
QString Run(QWidget* parent, const FileDialogSettings& settings, QFileDialog::AcceptMode mode) {
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
    if (!settings.initialFileName.isEmpty())
        dialog.selectFile(settings.initialFileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
} // namespace

QString RunOpenDialog(QWidget* parent, const FileDialogSettings& settings) {
    return Run(parent, settings, QFileDialog::AcceptOpen);
}

QString RunSaveDialog(QWidget* parent, const FileDialogSettings& settings) {
    return Run(parent, settings, QFileDialog::AcceptSave);
}
