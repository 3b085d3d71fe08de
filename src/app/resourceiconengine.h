#pragma once

#include <QIconEngine>
#include <QList>
#include <QString>

namespace Lumo {

// An icon drawn at several square sizes, one resource file per size, each file read only when a
// pixmap near its size is first asked for. QIcon::addFile decodes every size at once, and most
// platforms ask for one or two sizes of a window icon, or none at all.
class ResourceIconEngine : public QIconEngine
{
public:
    // The files are the pattern with %1 replaced by each size.
    ResourceIconEngine(const QString &pathPattern, const QList<int> &sizes);

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;

private:
    int bestFileSize(const QSize &size) const;
    QPixmap filePixmap(int fileSize) const;

    QString m_pathPattern;
    QList<int> m_sizes; // ascending
};

} // namespace Lumo
