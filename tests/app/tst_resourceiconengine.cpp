#include "app/resourceiconengine.h"
#include "app/startup.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QTest>

using namespace Lumo;

class tst_ResourceIconEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void programIconOffersEverySize();
    void pixmapSizes_data();
    void pixmapSizes();
    void disabledIconIsGreyed();
    void paintsCentredInItsRect();
    void missingFilesGiveNoPixmap();
};

void tst_ResourceIconEngine::programIconOffersEverySize()
{
    const QIcon icon = programIcon();
    const QList<QSize> expected = {{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    QCOMPARE(icon.availableSizes(), expected);
    for (const QSize &size : expected)
        QCOMPARE(icon.pixmap(size).size(), size);
}

void tst_ResourceIconEngine::pixmapSizes_data()
{
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("given");

    // clang-format off
    QTest::newRow("a file's size")                               << 48  << 48;
    QTest::newRow("between sizes: the larger file, scaled down") << 40  << 40;
    QTest::newRow("below the smallest")                          << 10  << 10;
    QTest::newRow("above the largest: never scaled up")          << 400 << 256;
    // clang-format on
}

void tst_ResourceIconEngine::pixmapSizes()
{
    QFETCH(int, asked);
    QFETCH(int, given);
    const QIcon icon = programIcon();
    const QPixmap pixmap = icon.pixmap(asked, asked);
    QCOMPARE(pixmap.size(), QSize(given, given));
    QCOMPARE(icon.actualSize(QSize(asked, asked)), QSize(given, given));
    // Not blank: the icon's disc covers its centre.
    QVERIFY(qAlpha(pixmap.toImage().pixel(given / 2, given / 2)) > 0);
}

void tst_ResourceIconEngine::disabledIconIsGreyed()
{
    const QImage image = programIcon().pixmap(32, 32, QIcon::Disabled).toImage();
    QCOMPARE(image.size(), QSize(32, 32));
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 255) {
                ++opaque;
                QVERIFY(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel));
            }
        }
    // A blank image would pass the loop: most of the icon is opaque.
    QVERIFY2(opaque > 32 * 32 / 4, qPrintable(QString::number(opaque)));
}

void tst_ResourceIconEngine::paintsCentredInItsRect()
{
    QImage canvas(100, 60, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        programIcon().paint(&painter, canvas.rect());
    }
    // A 60x60 icon in the middle: the side strips stay empty.
    QCOMPARE(qAlpha(canvas.pixel(5, 30)), 0);
    QCOMPARE(qAlpha(canvas.pixel(94, 30)), 0);
    QVERIFY(qAlpha(canvas.pixel(50, 30)) > 0);
}

void tst_ResourceIconEngine::missingFilesGiveNoPixmap()
{
    const QIcon icon(new ResourceIconEngine(QStringLiteral(":/no-such-icon-%1.png"), {16, 32}));
    QVERIFY(icon.pixmap(16, 16).isNull());
    QVERIFY(icon.pixmap(24, 24).isNull());
    QVERIFY(icon.pixmap(0, 0).isNull());
}

QTEST_MAIN(tst_ResourceIconEngine)
#include "tst_resourceiconengine.moc"
