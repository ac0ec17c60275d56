#include "GuiTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace GuiTest {

void OnNextModal(std::function<void(QWidget*)> action, QWidget* except, int timeoutMs)
{
    auto timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QPointer<QWidget> excluded(except);
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != excluded.data() && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no modal window appeared";
        }
    });
    timer->start(10);
}

void AnswerNextMessage(MessageSeen& seen, const QString& button)
{
    OnNextModal([&seen, button](QWidget* w) {
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
    });
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

bool NoModalOpen()
{
    QApplication::processEvents();
    return QApplication::activeModalWidget() == nullptr;
}

} // namespace GuiTest
