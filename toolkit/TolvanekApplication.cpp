#include "TolvanekApplication.h"

#include "UiFont.h"

#include <QMessageBox>
#include <QPushButton>

TolvanekApplication::TolvanekApplication(int& argc, char** argv)
    : QApplication(argc, argv) {
    setFont(JapaneseUiFont());
}

bool TolvanekApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        ShowException(std::runtime_error("unknown error"));
    }
    return false;
}

void TolvanekApplication::ShowException(const std::exception& error) {
    // The program's own title, not whatever name the running executable happens to carry.
    QMessageBox box(QMessageBox::Critical, QStringLiteral("TOLVANEK"),
                    QString::fromUtf8(error.what()), QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}
