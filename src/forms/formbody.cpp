#include "formbody.h"

#include "textboxes.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QWheelEvent>

#include <algorithm>

namespace Lumo {

namespace {

bool holdsButton(QLayoutItem *item)
{
    if (QWidget *widget = item->widget())
        return qobject_cast<QPushButton *>(widget) || widget->findChild<QPushButton *>();
    if (QLayout *layout = item->layout()) {
        for (int i = 0; i < layout->count(); ++i) {
            if (holdsButton(layout->itemAt(i)))
                return true;
        }
    }
    return false;
}

} // namespace

FormBody::FormBody(QWidget *parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("formBody"));
    setFrameShape(QFrame::NoFrame);
    // Not a stop of its own for Tab, with nothing to tell a screen reader: the controls inside
    // take the focus.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Only a squeezed body scrolls: a scroll bar shown for a moment while the form is laid out
    // would narrow the contents, make them taller and so keep itself shown.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Transparent: the form's own background shows, as it did before the items moved in here.
    viewport()->setAutoFillBackground(false);
}

FormBody *FormBody::wrapTopOf(QWidget *centralWidget)
{
    auto *outer = qobject_cast<QBoxLayout *>(centralWidget->layout());
    if (!outer || outer->direction() != QBoxLayout::TopToBottom)
        return nullptr;
    int buttonRow = 0;
    while (buttonRow < outer->count() && !holdsButton(outer->itemAt(buttonRow)))
        ++buttonRow;
    if (buttonRow == 0 || buttonRow == outer->count())
        return nullptr;

    auto *body = new FormBody(centralWidget);
    auto *contents = new QWidget(body);
    contents->setObjectName(QStringLiteral("formBodyContents"));
    auto *inner = new QVBoxLayout(contents);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->setSpacing(outer->spacing());
    for (int i = 0; i < buttonRow; ++i) {
        const int stretch = outer->stretch(0);
        QLayoutItem *item = outer->takeAt(0);
        if (QWidget *widget = item->widget()) {
            inner->addWidget(widget, stretch, item->alignment());
            delete item;
        } else if (QLayout *layout = item->layout()) {
            inner->addLayout(layout, stretch);
        } else {
            inner->addItem(item);
        }
    }
    body->setWidget(contents);
    contents->setAutoFillBackground(false);
    contents->installEventFilter(body);
    outer->insertWidget(0, body);

    bool grows = false;
    for (QAbstractScrollArea *box : contents->findChildren<QAbstractScrollArea *>()) {
        if (qobject_cast<QPlainTextEdit *>(box) || qobject_cast<QTextEdit *>(box)) {
            body->m_textBoxes.append({box, box->minimumHeight(), box->maximumHeight()});
            grows = grows || box->maximumHeight() == QWIDGETSIZE_MAX;
        }
    }
    // Given more height than designed, the body grows only where a long text box can take the
    // room; otherwise the room goes below the form's buttons, and the fields stay together.
    body->setSizePolicy(QSizePolicy::Expanding,
                        grows ? QSizePolicy::Expanding : QSizePolicy::Preferred);
    // A list under the pointer while the form scrolls must not change its choice: it takes the
    // wheel only once it has the focus, and the wheel no longer gives it the focus.
    for (QComboBox *list : contents->findChildren<QComboBox *>()) {
        list->setFocusPolicy(Qt::StrongFocus);
        list->installEventFilter(body);
    }
    // The control that gets the focus, by Tab or otherwise, scrolls into view.
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance()))
        connect(app, &QApplication::focusChanged, body, [body](QWidget *, QWidget *now) {
            if (now && body->widget() && body->widget()->isAncestorOf(now))
                body->ensureWidgetVisible(now);
        });
    return body;
}

void FormBody::setSqueezed(bool squeezed)
{
    if (squeezed == m_squeezed)
        return;
    m_squeezed = squeezed;
    setVerticalScrollBarPolicy(squeezed ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    fitTextBoxes();
    updateGeometry();
}

QSize FormBody::sizeHint() const
{
    if (!widget())
        return QSize();
    QSize hint = widget()->sizeHint();
    // Squeezed, the body asks for all its contents want, so the form's layout gives it all the
    // height there is, rather than to the empty space between the button row and the rows below.
    if (m_squeezed && widget()->hasHeightForWidth())
        hint.setHeight(widget()->heightForWidth(width()));
    return hint;
}

// As small as its contents allow; squeezed, as short as nothing at all, since they scroll.
QSize FormBody::minimumSizeHint() const
{
    if (!widget())
        return QSize();
    const QSize contents = widget()->minimumSizeHint();
    return m_squeezed ? QSize(contents.width(), 0) : contents;
}

// While it has room, the body is exactly as tall as its contents at its width, as the items
// were in the form's layout before they moved in here.
bool FormBody::hasHeightForWidth() const
{
    return !m_squeezed && widget() && widget()->hasHeightForWidth();
}

int FormBody::heightForWidth(int width) const
{
    return widget() ? widget()->heightForWidth(width) : -1;
}

// The contents' size hint changes when their texts do: the form's layout must ask again.
// An unfocused list passes the wheel on to the body, which scrolls.
bool FormBody::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == widget() && event->type() == QEvent::LayoutRequest)
        updateGeometry();
    if (event->type() == QEvent::Wheel && qobject_cast<QComboBox *>(watched) &&
        !static_cast<QWidget *>(watched)->hasFocus()) {
        QCoreApplication::sendEvent(verticalScrollBar(), event);
        return true;
    }
    return QScrollArea::eventFilter(watched, event);
}

void FormBody::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    if (m_squeezed)
        fitTextBoxes();
}

// Takes the height the contents lack from the long text boxes, evenly, each down to about four
// lines; unsqueezed, they get their designed heights back.
void FormBody::fitTextBoxes()
{
    for (const TextBox &t : std::as_const(m_textBoxes)) {
        if (t.box) {
            t.box->setMinimumHeight(t.designedMinimumHeight);
            t.box->setMaximumHeight(t.designedMaximumHeight);
        }
    }
    if (!m_squeezed || !widget())
        return;
    int lacking = sizeHint().height() - height();
    QList<std::pair<QAbstractScrollArea *, int>> boxes; // each box and the height it can give up
    for (const TextBox &t : std::as_const(m_textBoxes)) {
        if (!t.box || t.box->isHidden())
            continue;
        const int designed = t.box->sizeHint()
                                 .expandedTo(t.box->minimumSize())
                                 .boundedTo(t.box->maximumSize())
                                 .height();
        const int smallest = qMin(designed, heightForLines(t.box, SqueezedTextBoxLines));
        boxes.append({t.box, designed - smallest});
        t.box->setFixedHeight(designed);
    }
    while (lacking > 0) {
        QList<std::pair<QAbstractScrollArea *, int>> giving;
        for (const auto &entry : std::as_const(boxes)) {
            if (entry.second > 0)
                giving.append(entry);
        }
        if (giving.isEmpty())
            break;
        const int share = qMax(1, lacking / int(giving.size()));
        for (auto &[box, slack] : boxes) {
            const int cut = std::min({share, slack, lacking});
            if (cut <= 0)
                continue;
            box->setFixedHeight(box->maximumHeight() - cut);
            slack -= cut;
            lacking -= cut;
        }
    }
}

} // namespace Lumo
