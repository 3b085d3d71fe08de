#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace Lumo::Testing {

// Windows of their own (no parent) that are still there, other than those a test keeps for its
// whole run. Deferred deletes are carried out first, as the event loop would.
inline QStringList leftOverWindows(const QList<const QWidget *> &kept = {})
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList left;
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->parentWidget() && !kept.contains(window))
            left.append(window->objectName() + QLatin1Char(' ') +
                        window->metaObject()->className());
    }
    return left;
}

// A test's cleanup calls this, as Qt's own widget tests do: a test that leaves a window behind
// fails rather than passing its state on to the next one.
inline void verifyNoWindowLeft(const QList<const QWidget *> &kept = {})
{
    const QStringList left = leftOverWindows(kept);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1String(", "))));
}

// Answers the modal window that the next step opens: once it is up, answer gets it (null when no
// modal window opened); should the answer leave it open, it is closed, so that the test never
// hangs on it.
inline void answerNextModal(QObject *context, std::function<void(QWidget *modal)> answer)
{
    QTimer::singleShot(0, context, [answer = std::move(answer)] {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        answer(modal);
        if (modal && modal->isVisible())
            modal->close();
    });
}

} // namespace Lumo::Testing
