#include "resourceiconengine.h"

#include <QApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace Lumo {

ResourceIconEngine::ResourceIconEngine(const QString &pathPattern, const QList<int> &sizes)
    : m_pathPattern(pathPattern), m_sizes(sizes)
{
    std::sort(m_sizes.begin(), m_sizes.end());
}

// The smallest file at least as large as the size asked for, else the largest.
int ResourceIconEngine::bestFileSize(const QSize &size) const
{
    if (m_sizes.isEmpty())
        return 0;
    const int wanted = std::max(size.width(), size.height());
    const auto fits = std::find_if(m_sizes.cbegin(), m_sizes.cend(),
                                   [wanted](int fileSize) { return fileSize >= wanted; });
    return fits == m_sizes.cend() ? m_sizes.last() : *fits;
}

QPixmap ResourceIconEngine::filePixmap(int fileSize) const
{
    const QString path = m_pathPattern.arg(fileSize);
    QPixmap pixmap;
    if (!QPixmapCache::find(path, &pixmap) && pixmap.load(path))
        QPixmapCache::insert(path, pixmap);
    return pixmap;
}

QSize ResourceIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    const int fileSize = bestFileSize(size);
    return QSize(fileSize, fileSize).boundedTo(size);
}

QPixmap ResourceIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    if (size.isEmpty())
        return {};
    QPixmap pixmap = filePixmap(bestFileSize(size));
    if (pixmap.isNull())
        return pixmap;
    const QSize actual = actualSize(size, mode, state);
    if (pixmap.size() != actual)
        pixmap = pixmap.scaled(actual, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (mode == QIcon::Disabled || mode == QIcon::Selected) {
        QStyleOption option;
        option.palette = QApplication::palette();
        pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
    }
    return pixmap;
}

void ResourceIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
                               QIcon::State state)
{
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
    drawn.setDevicePixelRatio(ratio);
    const QSize drawnSize = drawn.deviceIndependentSize().toSize();
    const QRect target(rect.topLeft() + QPoint((rect.width() - drawnSize.width()) / 2,
                                               (rect.height() - drawnSize.height()) / 2),
                       drawnSize);
    painter->drawPixmap(target, drawn);
}

QList<QSize> ResourceIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    QList<QSize> sizes;
    for (const int fileSize : m_sizes)
        sizes.append(QSize(fileSize, fileSize));
    return sizes;
}

QIconEngine *ResourceIconEngine::clone() const
{
    return new ResourceIconEngine(m_pathPattern, m_sizes);
}

QString ResourceIconEngine::key() const
{
    return QStringLiteral("Lumo::ResourceIconEngine");
}

} // namespace Lumo
