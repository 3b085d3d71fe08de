#pragma once

#include <QList>
#include <QPointer>
#include <QScrollArea>

class QAbstractScrollArea;

namespace Lumo {

// The part of a workspace form above its row of buttons, in a scroll area without a frame. While
// the form has room, the area takes exactly the size of its contents, so the form draws as it
// was designed. Given less height, the form's long text boxes give up height first, down to
// about four lines each (they scroll inside themselves), and what still does not fit scrolls
// inside the area; the button row and the rows designed below it keep their places at the
// bottom of the form.
class FormBody : public QScrollArea
{
    Q_OBJECT

public:
    // Moves the items of the form's main layout above its first row of buttons into a body put
    // in their place. Returns null when the layout has no such items.
    static FormBody *wrapTopOf(QWidget *centralWidget);

    // Squeezed, the body takes what height the form has left over its button row and the rows
    // below, shrinking its long text boxes (to about four lines at the least) and scrolling
    // what still does not fit. Otherwise it has its contents' designed height.
    void setSqueezed(bool squeezed);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    explicit FormBody(QWidget *parent);
    void fitTextBoxes();

    struct TextBox
    {
        QPointer<QAbstractScrollArea> box;
        int designedMinimumHeight;
        int designedMaximumHeight;
    };
    QList<TextBox> m_textBoxes;
    bool m_squeezed = false;
};

} // namespace Lumo
