// Linked ahead of the program's library, these definitions take the place of SizeCachingLabel's
// own, so that a label measures itself as a plain QLabel does: the program built this way shows
// what the measurement cache gains. The linker then takes nothing from the library's
// sizecachinglabel.cpp (its meta-object comes from the library's moc output, as usual).
#include "forms/sizecachinglabel.h"

#include <QLabel>

namespace Lumo {

SizeCachingLabel::SizeCachingLabel(QWidget *parent) : QLabel(parent) {}

QSize SizeCachingLabel::sizeHint() const
{
    return QLabel::sizeHint();
}

QSize SizeCachingLabel::minimumSizeHint() const
{
    return QLabel::minimumSizeHint();
}

int SizeCachingLabel::heightForWidth(int width) const
{
    return QLabel::heightForWidth(width);
}

} // namespace Lumo
