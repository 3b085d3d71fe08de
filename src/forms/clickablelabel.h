#pragma once

#include "sizecachinglabel.h"

namespace Lumo {

// A label (or picture) that acts as a link: it emits clicked() when the left button is pressed
// and released inside it, shows a pointing hand, and reports mouse moves over it. Made a web
// link, it also takes the focus from the keyboard (Tab), shows it, and is clicked by Enter and
// Space. Assistive technology sees it as a link (or a button) that can be pressed.
class ClickableLabel : public SizeCachingLabel
{
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget *parent = nullptr);

    // Reachable with Tab after the window's other controls; a picture has no text, so it is
    // given one for screen readers.
    void makeWebLink(const QString &accessibleText);
    bool isWebLink() const { return m_webLink; }

Q_SIGNALS:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_pressed = false;
    bool m_webLink = false;
};

} // namespace Lumo
