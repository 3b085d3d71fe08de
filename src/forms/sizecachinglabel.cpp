#include "sizecachinglabel.h"

#include <QCache>
#include <QFont>
#include <QHashFunctions>
#include <QTextDocument>

#include <array>

namespace Lumo {

namespace {

enum class Measure { SizeHint, MinimumSizeHint, HeightForWidth };

// Everything QLabel's text measurement depends on.
struct MeasurementKey
{
    QString text;
    QFont font;
    Measure measure;
    int width;
    std::array<int, 18> settings;

    friend bool operator==(const MeasurementKey &, const MeasurementKey &) = default;
};

size_t qHash(const MeasurementKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.text, key.font, int(key.measure), key.width,
                      qHashRange(key.settings.cbegin(), key.settings.cend()));
}

// Enough for every label of every form, with room for the hover fonts and other widths.
constexpr int CachedMeasurements = 2048;

QCache<MeasurementKey, QSize> &measurements()
{
    static QCache<MeasurementKey, QSize> cache(CachedMeasurements);
    return cache;
}

bool showsPlainText(const QLabel &label)
{
    if (!label.pixmap().isNull() || !label.picture().isNull() || label.movie())
        return false;
    switch (label.textFormat()) {
    case Qt::PlainText:
        return true;
    case Qt::AutoText:
        return !Qt::mightBeRichText(label.text());
    default:
        return false;
    }
}

MeasurementKey measurementKey(const QLabel &label, Measure measure, int width)
{
    const QMargins margins = label.contentsMargins();
    return {label.text(),
            label.font(),
            measure,
            width,
            {label.wordWrap(), int(label.alignment()), int(label.textFormat()), label.margin(),
             label.indent(), label.frameWidth(), margins.left(), margins.top(), margins.right(),
             margins.bottom(), label.minimumWidth(), label.minimumHeight(), label.maximumWidth(),
             int(label.layoutDirection()), label.buddy() != nullptr, label.logicalDpiX(),
             label.logicalDpiY(), int(label.devicePixelRatio() * 100)}};
}

template <typename Measurement>
QSize cachedMeasurement(const QLabel &label, Measure measure, int width, Measurement measurement)
{
    // Polishing may still set the font (style sheets do), so it comes before the key.
    label.ensurePolished();
    if (!showsPlainText(label))
        return measurement();
    const MeasurementKey key = measurementKey(label, measure, width);
    if (const QSize *kept = measurements().object(key))
        return *kept;
    const QSize size = measurement();
    measurements().insert(key, new QSize(size));
    return size;
}

} // namespace

SizeCachingLabel::SizeCachingLabel(QWidget *parent) : QLabel(parent) {}

QSize SizeCachingLabel::sizeHint() const
{
    return cachedMeasurement(*this, Measure::SizeHint, -1, [this] { return QLabel::sizeHint(); });
}

QSize SizeCachingLabel::minimumSizeHint() const
{
    return cachedMeasurement(*this, Measure::MinimumSizeHint, -1,
                             [this] { return QLabel::minimumSizeHint(); });
}

int SizeCachingLabel::heightForWidth(int width) const
{
    return cachedMeasurement(*this, Measure::HeightForWidth, width,
                             [this, width] { return QSize(0, QLabel::heightForWidth(width)); })
        .height();
}

} // namespace Lumo
