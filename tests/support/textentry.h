#pragma once

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

namespace Lumo::Testing {

// The ways text reaches a line edit without a typed key.
enum class TextRoute { Paste, Drop, InputMethod };

inline const char *routeName(TextRoute route)
{
    switch (route) {
    case TextRoute::Paste:
        return "paste";
    case TextRoute::Drop:
        return "drop";
    case TextRoute::InputMethod:
        return "input method";
    }
    return "";
}

// Puts text into the box at its caret as a user would by that route. Pasting goes through the
// clipboard, so it replaces what the clipboard held.
inline void enterText(QLineEdit *box, TextRoute route, const QString &text)
{
    box->setFocus();
    switch (route) {
    case TextRoute::Paste:
        QGuiApplication::clipboard()->setText(text);
        QTest::keySequence(box, QKeySequence::Paste);
        break;
    case TextRoute::Drop: {
        QMimeData data;
        data.setText(text);
        const QPoint at(box->width() - 2, box->height() / 2); // after the text
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(box, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(box, &drop);
        break;
    }
    case TextRoute::InputMethod: {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(box, &commit);
        break;
    }
    }
}

} // namespace Lumo::Testing
