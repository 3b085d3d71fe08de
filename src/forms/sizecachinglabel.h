#pragma once

#include <QLabel>

namespace Lumo {

// A text label that keeps its measurements. QLabel lays out and shapes its whole text again for
// every size query, and layouts ask many times (the size hints, then the height for each width
// they try). The measurements are kept for the whole program, keyed by everything they depend on,
// so a form opened again, or another label with the same text and font, measures nothing.
// Labels showing a picture or rich text are measured by QLabel as usual.
class SizeCachingLabel : public QLabel
{
    Q_OBJECT

public:
    explicit SizeCachingLabel(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;
};

} // namespace Lumo
