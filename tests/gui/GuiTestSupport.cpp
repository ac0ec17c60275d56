// SPDX-License-Identifier: MIT
#include "GuiTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace GuiTest {

namespace {
QList<QPointer<QTimer>>& PendingTimers() {
    static QList<QPointer<QTimer>> timers;
    return timers;
}
} // namespace

int CancelPendingModalActions() {
    int pending = 0;
    for (const QPointer<QTimer>& timer : PendingTimers()) {
        if (timer && timer->isActive()) {
            ++pending;
            timer->stop();
            timer->deleteLater();
        }
    }
    PendingTimers().clear();
    for (int i = 0; i < 10 && QApplication::activeModalWidget(); ++i) {
        QApplication::activeModalWidget()->close();
        QApplication::processEvents();
    }
    return pending;
}

void WatchForUnexpectedModals(int patienceMs) {
    // A window that no test action waits for would block its test until the time limit of the
    // whole run; this turns it into a failure that says which window it was.
    auto* watchdog = new QTimer(qApp);
    auto since = std::make_shared<QElapsedTimer>();
    auto seen = std::make_shared<QPointer<QWidget>>();
    QObject::connect(watchdog, &QTimer::timeout, watchdog, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool waitedFor =
            std::any_of(PendingTimers().begin(), PendingTimers().end(),
                        [](const QPointer<QTimer>& timer) { return timer && timer->isActive(); });
        if (!modal || waitedFor) {
            *seen = nullptr;
            return;
        }
        if (seen->data() != modal) {
            *seen = modal;
            since->start();
            return;
        }
        if (since->elapsed() < patienceMs)
            return;
        QString what = modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            what += QStringLiteral(": ") + box->text();
        ADD_FAILURE() << "an unexpected " << modal->metaObject()->className()
                      << " stayed open: " << what.toStdString();
        *seen = nullptr;
        modal->close();
    });
    watchdog->start(200);
}

void OnNextModal(std::function<void(QWidget*)> action, QWidget* except, int timeoutMs,
                 std::function<bool(QWidget*)> accepts) {
    auto timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QPointer<QWidget> excluded(except);
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != excluded.data() && modal->isVisible() &&
            (!accepts || accepts(modal))) {
            timer->stop();
            timer->deleteLater();
            action(modal);
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "the expected modal window did not appear";
            if (QWidget* stuck = QApplication::activeModalWidget())
                stuck->close();
        }
    });
    PendingTimers().append(timer);
    timer->start(10);
}

void AnswerNextMessage(MessageSeen& seen, const QString& button,
                       std::function<bool(const QString& text)> accepts) {
    OnNextModal(
        [&seen, button](QWidget* w) {
            auto box = qobject_cast<QMessageBox*>(w);
            if (!box) {
                ADD_FAILURE() << "expected a message box, got " << w->metaObject()->className();
                w->close();
                return;
            }
            seen.seen = true;
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.icon = box->icon();
            seen.buttons.clear();
            QAbstractButton* toPress = nullptr;
            for (QAbstractButton* b : box->buttons()) {
                seen.buttons << b->text();
                if (b->text() == button)
                    toPress = b;
            }
            if (!toPress) {
                ADD_FAILURE() << "message box has no button " << button.toStdString();
                box->reject();
                return;
            }
            toPress->click();
        },
        nullptr, 5000,
        [accepts](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            return box && (!accepts || accepts(box->text()));
        });
}

void ChooseFileType(QWidget* fileDialog, int fileType) {
    auto* types = fileDialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    if (!types) {
        ADD_FAILURE() << "the file dialog has no file type box";
        return;
    }
    types->setFocus();
    QTest::keyClick(types, Qt::Key_Home);
    for (int step = 0; step < fileType; ++step)
        QTest::keyClick(types, Qt::Key_Down);
    EXPECT_EQ(types->currentIndex(), fileType);
}

void AnswerNextFileDialog(const QString& path, QStringList* filters, int fileType) {
    OnNextModal(
        [path, filters, fileType](QWidget* w) {
            auto dialog = qobject_cast<QFileDialog*>(w);
            if (!dialog) {
                ADD_FAILURE() << "expected a file dialog, got " << w->metaObject()->className();
                w->close();
                return;
            }
            if (filters)
                *filters = dialog->nameFilters();
            if (fileType != 0)
                ChooseFileType(dialog, fileType);
            if (path.isEmpty()) {
                dialog->reject();
                return;
            }
            auto* nameField = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (nameField)
                nameField->setText(path);
            else
                dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();
        },
        nullptr, 5000, [](QWidget* w) { return qobject_cast<QFileDialog*>(w) != nullptr; });
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

bool NoModalOpen() {
    QApplication::processEvents();
    return QApplication::activeModalWidget() == nullptr;
}

} // namespace GuiTest

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
