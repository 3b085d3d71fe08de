#include "support/everywindow.h"
#include "support/readingfixture.h"
#include "support/scripteddesktop.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QStyle>
#include <QTest>

#include <functional>

using namespace Lumo;
using namespace Lumo::Testing;

namespace {

// What a control draws: a label its text (or picture), placed by its alignment; any other
// control its whole rectangle.
QRect drawnRect(const QWidget *control)
{
    const auto *label = qobject_cast<const QLabel *>(control);
    if (!label || (label->text().isEmpty() && label->pixmap().isNull()))
        return control->rect();
    const QRect room = label->contentsRect();
    QSize size = label->pixmap().deviceIndependentSize().toSize();
    if (label->pixmap().isNull()) {
        const int flags = Qt::TextShowMnemonic | (label->wordWrap() ? Qt::TextWordWrap : 0);
        size = label->fontMetrics()
                   .boundingRect(QRect(0, 0, room.width(), QWIDGETSIZE_MAX), flags, label->text())
                   .size()
                   .boundedTo(room.size());
    }
    return QStyle::alignedRect(label->layoutDirection(), label->alignment(), size, room);
}

// Where each named control of a form draws, in the form's coordinates. The links sit at the
// bottom of a form, below a spacer, and are left out.
QHash<QWidget *, QRect> controlRects(QWidget *form)
{
    QHash<QWidget *, QRect> rects;
    for (QWidget *control : form->findChildren<QWidget *>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) ||
            !control->isVisibleTo(form) || control->metaObject() == &QWidget::staticMetaObject)
            continue;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        if (accessible && accessible->role() == QAccessible::Link)
            continue;
        rects.insert(control, drawnRect(control).translated(control->mapTo(form, QPoint(0, 0))));
    }
    return rects;
}

enum class Side { Right, Below };

// The gap from `first` to `second` when `second` lies on the given side of it: to its right on
// one row, or below it in one column; -1 when it does not.
int gapTo(Side side, const QRect &first, const QRect &second)
{
    const bool oneRow = first.top() <= second.bottom() && second.top() <= first.bottom();
    const bool oneColumn = first.left() <= second.right() && second.left() <= first.right();
    if (side == Side::Right && oneRow && second.left() > first.right())
        return second.left() - first.right();
    if (side == Side::Below && oneColumn && second.top() > first.bottom())
        return second.top() - first.bottom();
    return -1;
}

// Each control's nearest neighbour to its right and below it, as designed.
QList<std::tuple<QWidget *, QWidget *, Side>> neighbours(const QHash<QWidget *, QRect> &rects)
{
    QList<std::tuple<QWidget *, QWidget *, Side>> pairs;
    for (auto a = rects.cbegin(); a != rects.cend(); ++a) {
        for (Side side : {Side::Right, Side::Below}) {
            QWidget *nearest = nullptr;
            int nearestGap = 0;
            for (auto b = rects.cbegin(); b != rects.cend(); ++b) {
                if (a.key()->isAncestorOf(b.key()) || b.key()->isAncestorOf(a.key()))
                    continue;
                const int gap = gapTo(side, a.value(), b.value());
                if (gap >= 0 && (!nearest || gap < nearestGap)) {
                    nearest = b.key();
                    nearestGap = gap;
                }
            }
            if (nearest)
                pairs.append({a.key(), nearest, side});
        }
    }
    return pairs;
}

} // namespace

// A reading form maximised in a large workspace keeps its controls together: every gap between
// two controls side by side or one above the other stays as designed (a caption stays next to
// or just above its list), and no field grows wider than designed. Taller, a form only lets its
// long text boxes grow.
class tst_MaximisedForms : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { closeAllForms(); }
    void controlsStayTogether_data();
    void controlsStayTogether();
};

void tst_MaximisedForms::controlsStayTogether_data()
{
    QTest::addColumn<std::function<QWidget *()>>("open");
    forEveryWindow([](const char *name, const std::function<QWidget *()> &open) {
        const QByteArray row(name);
        if (row.endsWith(" input") || row.endsWith(" display"))
            QTest::newRow(name) << open;
    });
}

void tst_MaximisedForms::controlsStayTogether()
{
    QFETCH(std::function<QWidget *()>, open);
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    frmMDI *main = ReadingFixture::mainWindow();
    main->resize(1920, 1080);
    QTRY_VERIFY(main->workspace()->height() > 800);
    auto *form = qobject_cast<Form *>(open());
    QVERIFY(form);
    auto *window = qobject_cast<QMdiSubWindow *>(form->frame());
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCoreApplication::processEvents();
    const QSize designedSize = form->size();
    const QHash<QWidget *, QRect> designed = controlRects(form);

    window->showMaximized();
    QTRY_VERIFY(form->width() > 1800 && form->height() > 800);
    QCoreApplication::processEvents();
    QVERIFY2(form->height() > designedSize.height(), "the maximised form is no taller");
    const QHash<QWidget *, QRect> maximised = controlRects(form);

    QStringList faults;
    for (auto it = designed.cbegin(); it != designed.cend(); ++it) {
        QWidget *control = it.key();
        const bool field = qobject_cast<QLineEdit *>(control) || qobject_cast<QComboBox *>(control);
        if (field && maximised[control].width() > it.value().width())
            faults << QStringLiteral("%1 is %2 wide, designed %3")
                          .arg(control->objectName())
                          .arg(maximised[control].width())
                          .arg(it.value().width());
    }
    for (const auto &[first, second, side] : neighbours(designed)) {
        const int gap = gapTo(side, designed[first], designed[second]);
        const int gapNow = gapTo(side, maximised[first], maximised[second]);
        if (gapNow > gap)
            faults << QStringLiteral("%1 and %2 are %3 apart, designed %4")
                          .arg(first->objectName(), second->objectName())
                          .arg(gapNow)
                          .arg(gap);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1String("; "))));
}

QTEST_MAIN(tst_MaximisedForms)
#include "tst_maximisedforms.moc"
