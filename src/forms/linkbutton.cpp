#include "linkbutton.h"

#include <QAccessibleWidget>
#include <QCache>
#include <QHashFunctions>
#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace Lumo {

namespace {

// The caption as read out: "&&" is one "&", a single "&" marks the mnemonic and is dropped.
QString withoutMnemonic(const QString &caption)
{
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && ++i == caption.size())
            break;
        text.append(caption.at(i));
    }
    return text;
}

// What a screen reader sees of a link button: its role, its caption as its name unless it has a
// name of its own, and a press action that clicks it.
class AccessibleLinkButton : public QAccessibleWidget
{
public:
    explicit AccessibleLinkButton(LinkButton *link)
        : QAccessibleWidget(link, link->accessibleRole())
    {
        addControllingSignal(QStringLiteral("clicked(bool)"));
    }

    QAccessible::Role role() const override { return link()->accessibleRole(); }

    // Named by its caption. Qt's own fallback would name a link in a group box after the box.
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? withoutMnemonic(link()->text()) : name;
    }

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            link()->click();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    LinkButton *link() const { return static_cast<LinkButton *>(widget()); }
};

// Everything a caption's laid-out size depends on.
struct TextSizeKey
{
    QString text;
    QFont font;
    int flags;
    int room;
    int logicalDpi;
    qreal devicePixelRatio;

    friend bool operator==(const TextSizeKey &, const TextSizeKey &) = default;
};

size_t qHash(const TextSizeKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.text, key.font, key.flags, key.room, key.logicalDpi,
                      key.devicePixelRatio);
}

// The sizes of the captions laid out so far, for the whole program. Forms are made anew each
// time they open, and their layouts ask each link for its size at several widths: shaping a
// caption once per width keeps opening a form as cheap as the first time it was measured.
QCache<TextSizeKey, QSize> &textSizes()
{
    static QCache<TextSizeKey, QSize> cache(1024);
    return cache;
}

QAccessibleInterface *accessibleLinkButton(const QString &className, QObject *object)
{
    if (className == QLatin1String("Lumo::LinkButton") && object->isWidgetType())
        return new AccessibleLinkButton(static_cast<LinkButton *>(object));
    return nullptr;
}

} // namespace

LinkButton::LinkButton(QWidget *parent) : QAbstractButton(parent)
{
    // Measured, coloured and filled like a label; only the keyboard gives it the focus.
    setSizePolicy(QSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred, QSizePolicy::Label));
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::Link);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleLinkButton);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

void LinkButton::setWordWrap(bool on)
{
    if (m_wordWrap == on)
        return;
    m_wordWrap = on;
    QSizePolicy policy = sizePolicy();
    policy.setHeightForWidth(on);
    setSizePolicy(policy);
    forgetMeasurements();
    updateGeometry();
    update();
}

void LinkButton::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void LinkButton::setMargin(int margin)
{
    if (m_margin == margin)
        return;
    m_margin = margin;
    forgetMeasurements();
    updateGeometry();
    update();
}

void LinkButton::setUnderlinedOnHover(bool on)
{
    m_underlinedOnHover = on;
    update();
}

int LinkButton::textFlags() const
{
    int flags = QStyle::visualAlignment(layoutDirection(), m_alignment).toInt() |
                (layoutDirection() == Qt::LeftToRight ? Qt::TextForceLeftToRight
                                                      : Qt::TextForceRightToLeft) |
                Qt::TextShowMnemonic;
    if (m_wordWrap)
        flags |= Qt::TextWordWrap;
    QStyleOption option;
    option.initFrom(this);
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
        flags |= Qt::TextHideMnemonic;
    return flags;
}

void LinkButton::forgetMeasurements() const
{
    m_sizeHint = m_minimumSizeHint = QSize();
    m_heightWidth = m_height = -1;
}

QMargins LinkButton::textMargins() const
{
    return contentsMargins() + QMargins(m_margin, m_margin, m_margin, m_margin);
}

QSize LinkButton::textSize(int room) const
{
    // Centring does not change the size, and its halving could round it.
    const int flags = textFlags() & ~(Qt::AlignHCenter | Qt::AlignVCenter);
    // A font compares equal on screens of another resolution, where it measures otherwise.
    const TextSizeKey key{text(), font(), flags, qMax(0, room), logicalDpiY(), devicePixelRatio()};
    if (const QSize *size = textSizes().object(key))
        return *size;
    const QSize size =
        fontMetrics().boundingRect(QRect(0, 0, key.room, QWIDGETSIZE_MAX), flags, key.text).size();
    textSizes().insert(key, new QSize(size));
    return size;
}

QSize LinkButton::measure(int width) const
{
    const QMargins margins = textMargins();
    return textSize(width - margins.left() - margins.right()).grownBy(margins);
}

QSize LinkButton::sizeHint() const
{
    ensurePolished();
    if (m_measuredText != text() || m_measuredMaximumWidth != maximumWidth()) {
        m_measuredText = text();
        m_measuredMaximumWidth = maximumWidth();
        forgetMeasurements();
    }
    if (!m_sizeHint.isValid()) {
        const QMargins margins = textMargins();
        QSize caption;
        if (m_wordWrap) {
            // As a word-wrapped label: about 80 characters wide, narrower for a short caption.
            const QFontMetrics metrics = fontMetrics();
            const int room = qMin(metrics.averageCharWidth() * 80, maximumWidth()) -
                             margins.left() - margins.right();
            caption = textSize(room);
            if (caption.height() < 4 * metrics.lineSpacing() && caption.width() > room / 2)
                caption = textSize(room / 2);
            if (caption.height() < 2 * metrics.lineSpacing() && caption.width() > room / 4)
                caption = textSize(room / 4);
        } else {
            caption = textSize(QWIDGETSIZE_MAX);
        }
        m_sizeHint = caption.grownBy(margins);
    }
    return m_sizeHint.expandedTo(minimumSize());
}

QSize LinkButton::minimumSizeHint() const
{
    const QSize hint = sizeHint();
    if (!m_wordWrap)
        return hint;
    if (!m_minimumSizeHint.isValid()) {
        // The longest word wide, one line high.
        const int oneLine = textSize(QWIDGETSIZE_MAX).grownBy(textMargins()).height();
        m_minimumSizeHint = QSize(measure(0).width(), qMin(oneLine, m_sizeHint.height()));
    }
    return m_minimumSizeHint.expandedTo(minimumSize());
}

int LinkButton::heightForWidth(int width) const
{
    if (!m_wordWrap)
        return QAbstractButton::heightForWidth(width);
    sizeHint(); // forgets the measurements of an earlier caption
    if (width != m_heightWidth) {
        m_heightWidth = width;
        m_height = measure(width).height();
    }
    return qMax(m_height, minimumHeight());
}

int LinkButton::neededHeight() const
{
    sizeHint(); // forgets the measurements of an earlier caption
    if (!m_wordWrap)
        return m_sizeHint.height();
    heightForWidth(width());
    return m_height;
}

void LinkButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    if (m_underlinedOnHover && underMouse()) {
        QFont font = painter.font();
        font.setUnderline(true);
        painter.setFont(font);
    }
    int flags = textFlags();
    // A caption that fills its height starts at the top, as a text document lays it out: centring
    // would move it down by the half pixel its lines' height is rounded up by.
    if ((flags & Qt::AlignVCenter) && neededHeight() >= height())
        flags = (flags & ~Qt::AlignVCenter) | Qt::AlignTop;
    const QRect textRect = rect().marginsRemoved(textMargins());
    painter.drawItemText(textRect, flags, palette(), isEnabled(), text(), foregroundRole());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.backgroundColor = palette().color(backgroundRole());
        // In the caption's colour, which stands out from the background as the caption does.
        focus.palette.setColor(QPalette::Highlight, palette().color(foregroundRole()));
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void LinkButton::keyPressEvent(QKeyEvent *event)
{
    // Return and Enter follow a link, as in a browser; Space, as on any button.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        event->accept();
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void LinkButton::enterEvent(QEnterEvent *event)
{
    if (m_underlinedOnHover)
        update();
    QAbstractButton::enterEvent(event);
}

void LinkButton::leaveEvent(QEvent *event)
{
    if (m_underlinedOnHover)
        update();
    QAbstractButton::leaveEvent(event);
}

void LinkButton::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::ContentsRectChange:
        forgetMeasurements();
        break;
    default:
        break;
    }
    QAbstractButton::changeEvent(event);
}

} // namespace Lumo
