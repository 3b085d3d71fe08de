#include "support/everywindow.h"
#include "support/readingfixture.h"
#include "support/scripteddesktop.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

#include <functional>

using namespace Lumo;
using namespace Lumo::Testing;

// Builds every window and checks that each control lies inside its window (a control in the
// scrolling top part of a form: inside that part's contents) and that every single-line caption
// and every link fits its control: under the platform's own font and under the larger font desktops
// use (GNOME and KDE default to 11 points where Qt alone gives 9). Run under Xvfb with the GTK
// platform theme, light and dark, the platform's font is the desktop's.
class tst_Layout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { m_platformFont = QApplication::font(); }
    void cleanup()
    {
        closeAllForms();
        QApplication::setFont(m_platformFont);
    }
    void controlsFitTheirWindow_data();
    void controlsFitTheirWindow();
    void captionsGoBackWhenTheFontDoes();
    void largerFontWidensTheButtonsWithoutOverlap();

private:
    static QStringList layoutFaults(QWidget *window);

    QFont m_platformFont;
};

QStringList tst_Layout::layoutFaults(QWidget *window)
{
    QStringList faults;
    const QList<QWidget *> controls = window->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        if (!control->isVisibleTo(window) || control->objectName().startsWith(QLatin1String("qt_")))
            continue;
        // The contents scroll inside the top part, which itself must lie inside the window.
        if (control->objectName() == QLatin1String("formBodyContents"))
            continue;
        QWidget *area = window;
        for (QWidget *parent = control->parentWidget(); parent != window;
             parent = parent->parentWidget()) {
            if (parent->objectName() == QLatin1String("formBodyContents")) {
                area = parent;
                break;
            }
        }
        const QRect rect(control->mapTo(area, QPoint(0, 0)), control->size());
        if (!area->rect().contains(rect))
            faults << QStringLiteral("%1 lies outside its window").arg(control->objectName());

        QString caption;
        if (auto *label = qobject_cast<QLabel *>(control); label && !label->wordWrap())
            caption = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(control))
            caption = button->text();
        if (caption.isEmpty())
            continue;
        const QSize room = control->size();
        // A wrapped caption (a link) needs its longest word's width and, at the width it has, the
        // height of its lines.
        const QSize needed =
            control->hasHeightForWidth()
                ? QSize(control->minimumSizeHint().width(), control->heightForWidth(room.width()))
                : control->sizeHint();
        if (auto *label = qobject_cast<QLabel *>(control);
            label && label->textFormat() == Qt::PlainText) {
            // The text itself, in the label's font, inside the part of the label that draws it.
            const QRect text = label->fontMetrics().boundingRect(
                QRect(QPoint(0, 0), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)), Qt::TextShowMnemonic,
                label->text());
            const QRect contents = label->contentsRect();
            if (text.width() > contents.width() || text.height() > contents.height())
                faults << QStringLiteral("the text of %1 is cut").arg(control->objectName());
        }
        if (needed.width() > room.width() || needed.height() > room.height())
            faults << QStringLiteral("the caption of %1 needs %2x%3, has %4x%5")
                          .arg(control->objectName())
                          .arg(needed.width())
                          .arg(needed.height())
                          .arg(room.width())
                          .arg(room.height());
    }
    return faults;
}

void tst_Layout::controlsFitTheirWindow_data()
{
    QTest::addColumn<std::function<QWidget *()>>("open");
    QTest::addColumn<int>("points"); // the application font's size; 0: the platform's own
    const auto add = [](const char *window, const std::function<QWidget *()> &open) {
        QTest::addRow("%s, platform font", window) << open << 0;
        QTest::addRow("%s, 11 pt", window) << open << 11;
    };
    forEveryWindow(add);
}

void tst_Layout::controlsFitTheirWindow()
{
    QFETCH(std::function<QWidget *()>, open);
    QFETCH(int, points);
    if (points > 0) {
        QFont larger = m_platformFont;
        larger.setPointSize(points);
        QApplication::setFont(larger);
    }
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    QWidget *window = open();
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window->window()));

    // Layouts settle through posted events after the window shows; a fault that stays is real.
    QTRY_VERIFY2(layoutFaults(window).isEmpty(),
                 qPrintable(layoutFaults(window).join(QLatin1String("; "))));
    if (auto *dialog = qobject_cast<QDialog *>(window))
        dialog->close();
}

// The desktop's font can change while the program runs: controls widened for a larger font go
// back to where they were drawn once it is small again.
void tst_Layout::captionsGoBackWhenTheFontDoes()
{
    ReadingFixture fixture;
    QWidget *main = ReadingFixture::mainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    QList<QWidget *> controls{main->findChild<QWidget *>(QStringLiteral("lblQuennetBanner"))};
    for (int i = 0; i < frmMDI::ReadingCount; ++i)
        controls << main->findChild<QWidget *>(QStringLiteral("cmdSelectOption_%1").arg(i));
    QList<QRect> drawn;
    for (QWidget *control : std::as_const(controls))
        drawn << control->geometry();

    QFont larger = m_platformFont;
    larger.setPointSize(16);
    QApplication::setFont(larger);
    QTRY_VERIFY(controls.first()->width() > drawn.first().width());
    QApplication::setFont(m_platformFont);
    for (qsizetype i = 0; i < controls.size(); ++i)
        QTRY_COMPARE(controls[i]->geometry(), drawn[i]);
}

// Under a large desktop font the reading buttons widen to their captions; they keep their two
// staggered columns with Lesson between them, and no two controls of the button row overlap.
void tst_Layout::largerFontWidensTheButtonsWithoutOverlap()
{
    QFont larger = m_platformFont;
    larger.setPointSize(16);
    QApplication::setFont(larger);
    ReadingFixture fixture;
    QWidget *main = ReadingFixture::mainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    const auto *container = main->findChild<QWidget *>(QStringLiteral("picButtonContainer"));
    QVERIFY(container);
    QVERIFY(container->width() > 721);

    const QList<QWidget *> children = container->findChildren<QWidget *>();
    for (const QWidget *child : children) {
        if (auto *button = qobject_cast<const QAbstractButton *>(child))
            QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
        QVERIFY2(container->rect().contains(child->geometry()), qPrintable(child->objectName()));
        for (const QWidget *other : children) {
            QVERIFY2(other == child || !other->geometry().intersects(child->geometry()),
                     qPrintable(child->objectName() + u' ' + other->objectName()));
        }
    }
    const auto rect = [main](int index) {
        return main->findChild<QWidget *>(QStringLiteral("cmdSelectOption_%1").arg(index))
            ->geometry();
    };
    QVERIFY(rect(0).right() < rect(2).left());
    QVERIFY(rect(2).right() < rect(1).left());
    QCOMPARE(rect(3).left(), rect(0).left());
    QCOMPARE(rect(4).left(), rect(1).left());
    QVERIFY(rect(3).top() > rect(0).bottom());
    QVERIFY(rect(4).top() > rect(1).bottom());
}

QTEST_MAIN(tst_Layout)
#include "tst_layout.moc"
