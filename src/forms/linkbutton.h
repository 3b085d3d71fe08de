#pragma once

#include <QAbstractButton>
#include <QAccessible>

namespace Lumo {

// A link: a button drawn as its caption alone, in the palette's link colour, word-wrapped where
// word wrap is on. The mouse clicks it (over it the pointer is a pointing hand); Tab reaches it,
// Space, Return and Enter click it, and the style's focus frame shows while it has the keyboard
// focus. A click with the mouse does not give it the focus. As on any button, "&&" in the caption
// shows one "&". Screen readers see a link, or a button where it acts within the program.
class LinkButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(bool wordWrap READ wordWrap WRITE setWordWrap)
    Q_PROPERTY(Qt::Alignment alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(int margin READ margin WRITE setMargin)

public:
    explicit LinkButton(QWidget *parent = nullptr);

    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool on);
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    // Room around the caption on every side, as a label's margin: for letters that reach past
    // their advance, such as the hook of a J.
    int margin() const { return m_margin; }
    void setMargin(int margin);
    // The caption is underlined while the pointer is over it.
    void setUnderlinedOnHover(bool on);
    // QAccessible::Link (the default) or QAccessible::Button.
    QAccessible::Role accessibleRole() const { return m_accessibleRole; }
    void setAccessibleRole(QAccessible::Role role) { m_accessibleRole = role; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return m_wordWrap; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    int textFlags() const;
    // The size of the caption laid out in lines no wider than room.
    QSize textSize(int room) const;
    // The same within the given width of the button, margins added.
    QSize measure(int width) const;
    QMargins textMargins() const;
    // The height the caption needs at the button's width, margins included.
    int neededHeight() const;
    void forgetMeasurements() const;

    bool m_wordWrap = false;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    int m_margin = 0;
    bool m_underlinedOnHover = false;
    QAccessible::Role m_accessibleRole = QAccessible::Link;

    // Layouts ask for the same measurements many times: the last answers are kept here, and the
    // captions' laid-out sizes for the whole program.
    mutable QString m_measuredText;
    mutable int m_measuredMaximumWidth = -1;
    mutable QSize m_sizeHint;
    mutable QSize m_minimumSizeHint;
    mutable int m_heightWidth = -1;
    mutable int m_height = -1;
};

} // namespace Lumo
