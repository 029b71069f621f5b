#pragma once
// Driving real windows in tests the way a person does: Qt's simulated mouse on
// menu bars, menus and buttons, and answering the modal dialog a click opens.
// Only the window tests link Qt's test library, so only they include this.
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace orvel::testing {

// Processes events until the condition holds; false when it does not within
// a bounded number of rounds.
inline bool wait_until(const std::function<bool()>& condition, int rounds = 200)
{
    for (int i = 0; i < rounds; ++i) {
        if (condition())
            return true;
        QTest::qWait(10);
    }
    return condition();
}

// Clicks a menu of the bar, then each sub-menu and finally the item, all named by
// object name: {"mn_rata", "mn_boto_dret", "mn_boto_dret_0"}. False when a step
// is missing or its menu never opens.
inline bool click_menu_path(QMenuBar* bar, const QStringList& path)
{
    if (path.size() < 2)
        return false;
    QMenu* menu = nullptr;
    for (QAction* a : bar->actions())
        if (a->menu() && a->menu()->objectName() == path.first())
            menu = a->menu();
    if (!menu || !bar->actionGeometry(menu->menuAction()).isValid())
        return false;
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    for (qsizetype i = 1; i < path.size(); ++i) {
        if (!wait_until([menu] { return menu->isVisible(); }))
            return false;
        QAction* action = nullptr;
        for (QAction* a : menu->actions())
            if (a->objectName() == path[i] || (a->menu() && a->menu()->objectName() == path[i]))
                action = a;
        if (!action)
            return false;
        const QPoint at = menu->actionGeometry(action).center();
        QTest::mouseMove(menu, at);
        QTest::mouseClick(menu, Qt::LeftButton, {}, at);
        if (action->menu())
            menu = action->menu();
    }
    return true;
}

// Runs `answer` on the modal dialog of type D once it is shown (by the next call
// that opens one), from inside that dialog's own event loop.
template <typename D>
void answer_next_dialog(std::function<void(D&)> answer)
{
    auto* poll = new QTimer;
    auto deadline = std::make_shared<QElapsedTimer>();
    deadline->start();
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, deadline, answer] {
        if (auto* d = dynamic_cast<D*>(QApplication::activeModalWidget()); d && d->isVisible()) {
            poll->stop();
            poll->deleteLater();
            answer(*d);
        } else if (deadline->elapsed() > 10000) {
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start();
}

}  // namespace orvel::testing
