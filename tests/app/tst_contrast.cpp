#include "app/frmabout.h"
#include "app/frmmdi.h"
#include "app/frmnagscreen2.h"
#include "readings/astrology/frmkarmicastrologydisplay.h"
#include "readings/astrology/frmkarmicastrologysave.h"
#include "support/palettes.h"
#include "support/readingfixture.h"
#include "support/scripteddesktop.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QStyleFactory>
#include <QTest>

#include <functional>

using namespace Lumo;
using namespace Lumo::Testing;

namespace {

// WCAG relative luminance and contrast ratio.
double luminance(QRgb rgb)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) +
           0.0722 * channel(qBlue(rgb));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// The contrast of a caption as drawn: its background is the commonest colour of the area its text
// is drawn in, its text the colour there that stands out most from that background.
double captionContrast(const QImage &image, const QRect &area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    }
    QRgb background = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    }
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = qMax(best, contrast(background, it.key()));
    return best;
}

} // namespace

// Grabs every window under the default light palette and under a dark Fusion palette: every
// caption (label and button texts) stands out from its own background by at least 3:1.
class tst_Contrast : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void captionsStandOut_data();
    void captionsStandOut();

private:
    QPalette m_light;
};

void tst_Contrast::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    m_light = QApplication::palette();
}

void tst_Contrast::cleanup()
{
    closeAllForms();
    QApplication::setPalette(m_light);
}

void tst_Contrast::captionsStandOut_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<std::function<QWidget *()>>("open");
    const auto reading = &ReadingFixture::formOpener;
    QList<std::pair<QString, std::function<QWidget *()>>> windows = {
        {"frmMDI", [] { return static_cast<QWidget *>(ReadingFixture::mainWindow()); }}};
    const char *names[] = {"KarmicAstrology", "KarmicDebtNumber", "KarmicLessonNumber",
                           "ZodiacSoulmateSign", "ZodiacSpiritualSign"};
    for (int i = 0; i < frmMDI::ReadingCount; ++i) {
        windows.append({QString("%1 input").arg(names[i]), reading(i, false)});
        windows.append({QString("%1 display").arg(names[i]), reading(i, true)});
    }
    windows.append({"frmKarmicAstrologySave", [=]() -> QWidget * {
                        auto *display =
                            static_cast<frmKarmicAstrologyDisplay *>(reading(0, true)());
                        auto *report = new frmKarmicAstrologySave(display->reading(), display);
                        report->setAttribute(Qt::WA_DeleteOnClose);
                        report->show();
                        return report;
                    }});
    windows.append({"frmAbout", []() -> QWidget * {
                        auto *about = new frmAbout(ReadingFixture::mainWindow());
                        about->setAttribute(Qt::WA_DeleteOnClose);
                        about->show();
                        return about;
                    }});
    windows.append({"frmNagScreen2", []() -> QWidget * { return showSupportDialog(); }});
    for (bool dark : {false, true}) {
        for (const auto &[name, open] : std::as_const(windows))
            QTest::addRow("%s, %s", qPrintable(name), dark ? "dark" : "light") << dark << open;
    }
}

void tst_Contrast::captionsStandOut()
{
    QFETCH(bool, dark);
    QFETCH(std::function<QWidget *()>, open);
    if (dark)
        QApplication::setPalette(darkPalette());
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    // Room for every form at its designed size, so every caption is drawn.
    ReadingFixture::mainWindow()->resize(1000, 1100);
    QWidget *window = open();
    QVERIFY(QTest::qWaitForWindowExposed(window->window()));
    QCoreApplication::processEvents();
    const QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = window->devicePixelRatioF();

    QStringList faults;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        QString text;
        QRect area;
        if (auto *label = qobject_cast<QLabel *>(control)) {
            text = label->text();
            area = label->contentsRect();
        } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
            text = button->text();
            area = button->rect().adjusted(4, 4, -4, -4); // inside the button's frame
        }
        if (text.isEmpty() || !control->isVisibleTo(window) || control->visibleRegion().isEmpty())
            continue;
        area = control->visibleRegion().boundingRect().intersected(area);
        const QRect inImage(QPointF(control->mapTo(window, area.topLeft()) * ratio).toPoint(),
                            (QSizeF(area.size()) * ratio).toSize());
        const double measured = captionContrast(image, inImage.intersected(image.rect()));
        if (measured < 3)
            faults << QStringLiteral("%1 %2:1").arg(control->objectName()).arg(measured, 0, 'f', 1);
    }
    if (auto *dialog = qobject_cast<QDialog *>(window))
        dialog->close();
    if (!faults.isEmpty())
        QFAIL(qPrintable(faults.join(QLatin1String("; "))));
}

QTEST_MAIN(tst_Contrast)
#include "tst_contrast.moc"
