#pragma once

#include "sizecachinglabel.h"

namespace Lumo {

// A label (or picture) that acts as a link: it emits clicked() when the left button is pressed
// and released inside it, shows a pointing hand, and reports mouse moves over it.
class ClickableLabel : public SizeCachingLabel
{
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace Lumo
