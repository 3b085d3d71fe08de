#include "app/frmabout.h"
#include "common/buildconfig.h"
#include "common/vendorpages.h"
#include "forms/fixedcolours.h"
#include "forms/linkbutton.h"
#include "forms/vendorlinks.h"
#include "support/readingfixture.h"
#include "support/scripteddesktop.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>

using namespace Lumo;
using namespace Lumo::Testing;
using namespace Lumo::Testing::FormsFixture;

namespace {

const char *const ReadingNames[] = {"astrology", "debt",      "lesson",
                                    "soulmate",  "spiritual", "profile"};

const QString FullBrandCaption = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get "
    "this software fully branded for your website. Click here for more details.");
const QString CoBrandCaption = QStringLiteral(
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &&  link here. See \"Help\" for details.    Click Here for more info on "
    "co-branding.");

// A form named as in the tables below: "main window", "<reading> input" or "<reading> display".
Form *openForm(const QString &where)
{
    if (where == "main window")
        return mainWindow();
    const QString reading = where.section(' ', 0, 0);
    const QString kind = where.section(' ', 1, 1);
    for (int i = Astrology; i <= Profile; ++i) {
        if (reading == QLatin1String(ReadingNames[i]))
            return kind == "input" ? static_cast<Form *>(openInputForm(i)) : openDisplayForm(i);
    }
    return nullptr;
}

QString pageAddress(const QString &key)
{
    return VendorPageBase() + "ssd.php?page=" + key;
}

} // namespace

class tst_VendorLinks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void vendorPageBase();
    void controlOpensItsPage_data();
    void controlOpensItsPage();
    void pageWithoutABrowserShowsItsAddress_data();
    void pageWithoutABrowserShowsItsAddress();
    void promotionalCaptions_data();
    void promotionalCaptions();
    void linksComeLastInTheTabOrder_data();
    void linksComeLastInTheTabOrder();
    void aboutBoxLinks_data();
    void aboutBoxLinks();
    void aboutItemShowsTheAboutBoxModally_data();
    void aboutItemShowsTheAboutBoxModally();
    void linkWithoutPageOrOfUnknownKindOpensNothing();

private:
    ScriptedDesktop m_desktop;
};

void tst_VendorLinks::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setQuitOnLastWindowClosed(false);
    mainWindow();
}

void tst_VendorLinks::init()
{
    m_desktop.openedUrls.clear();
    m_desktop.messages.clear();
    m_desktop.browserOpens = true;
}

void tst_VendorLinks::cleanup()
{
    closeReadingForms();
}

void tst_VendorLinks::cleanupTestCase()
{
    EndProgram();
    flushDeletes();
}

void tst_VendorLinks::vendorPageBase()
{
    const QUrl base(VendorPageBase());
    QVERIFY2(base.scheme() == "https" || base.scheme() == "http", qPrintable(base.toString()));
    QVERIFY(!base.host().isEmpty());
    QCOMPARE(base.path(), QString("/lumo-free-tessaray/"));
    QVERIFY(VendorPageBase().endsWith("/lumo-free-tessaray/"));
}

void tst_VendorLinks::controlOpensItsPage_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("pageKey");

    const auto add = [](const QString &where, const QString &control, const QString &key) {
        QTest::addRow("%s %s", qPrintable(where), qPrintable(control)) << where << control << key;
    };
    // clang-format off
    add("main window", "Picture6",         "home-page");
    add("main window", "lblQuennetBanner", "home-page");
    add("main window", "Label7",           "fully-branded");
    add("main window", "mnuOnline",        "help-web-page");
    add("main window", "mnuVisit",         "home-page");
    add("main window", "mnuUpdate",        "download-web-page");
    add("main window", "mkmoney",          "fully-branded");
    // clang-format on

    for (int reading = Astrology; reading <= Profile; ++reading) {
        const bool zodiac = reading == Soulmate || reading == Spiritual;
        const bool displayHasMenus = reading != KarmicDebt && reading != KarmicLesson;
        for (const char *kind : {"input", "display"}) {
            const QString where = QString("%1 %2").arg(ReadingNames[reading], kind);
            add(where, "Label61", "home-page");
            add(where, "lblFullBrand", "fully-branded");
            add(where, "lblCobrand", "co-brand");
            if (QLatin1String(kind) == "display" && !displayHasMenus)
                continue;
            add(where, "mnuOnline", "help-web-page");
            add(where, "mnuVisit", "home-page");
            add(where, "mnuUpdate", "download-web-page");
            add(where, zodiac ? "mnuMakeMoneyOnline" : "mkmoney", "fully-branded");
        }
    }
}

void tst_VendorLinks::controlOpensItsPage()
{
    QFETCH(QString, where);
    QFETCH(QString, control);
    QFETCH(QString, pageKey);

    Form *form = openForm(where);
    QVERIFY(form);
    m_desktop.openedUrls.clear();

    if (auto *widget = form->findChild<QWidget *>(control)) {
        // A spot of the control itself, not of a control inside it.
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(2, 2));
    } else {
        auto *item = form->findChild<QAction *>(control);
        QVERIFY2(item, qPrintable(control));
        item->trigger();
    }

    QCOMPARE(m_desktop.openedUrls.size(), 1);
    QCOMPARE(m_desktop.openedUrls.first().toString(), pageAddress(pageKey));
    QVERIFY(m_desktop.messages.isEmpty());
}

void tst_VendorLinks::pageWithoutABrowserShowsItsAddress_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("pageKey");

    // clang-format off
    QTest::newRow("main window menu")   << "main window"      << "mnuUpdate"        << "download-web-page";
    QTest::newRow("main window banner") << "main window"      << "lblQuennetBanner" << "home-page";
    QTest::newRow("reading label")      << "soulmate display" << "lblCobrand"       << "co-brand";
    // clang-format on
}

void tst_VendorLinks::pageWithoutABrowserShowsItsAddress()
{
    QFETCH(QString, where);
    QFETCH(QString, control);
    QFETCH(QString, pageKey);
    Form *form = openForm(where);
    QVERIFY(form);
    m_desktop.browserOpens = false;

    if (auto *link = form->findChild<LinkButton *>(control))
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(2, 2));
    else
        form->findChild<QAction *>(control)->trigger();

    QCOMPARE(m_desktop.openedUrls.size(), 1);
    QCOMPARE(m_desktop.messageTexts(),
             QStringList("No web browser could be opened for this page. You can visit it by "
                         "typing its address into your browser:\r\n\r\n" +
                         pageAddress(pageKey)));
    QCOMPARE(m_desktop.messages.first().icon, QMessageBox::Information);
    QCOMPARE(m_desktop.messages.first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void tst_VendorLinks::promotionalCaptions_data()
{
    QTest::addColumn<QString>("where");
    for (int reading = Astrology; reading <= Profile; ++reading) {
        for (const char *kind : {"input", "display"}) {
            const QString where = QString("%1 %2").arg(ReadingNames[reading], kind);
            QTest::newRow(qPrintable(where)) << where;
        }
    }
}

void tst_VendorLinks::promotionalCaptions()
{
    QFETCH(QString, where);
    Form *form = openForm(where);
    QVERIFY(form);

    auto *coBrand = form->findChild<LinkButton *>("lblCobrand");
    QVERIFY(coBrand);
    QCOMPARE(coBrand->text(), CoBrandCaption);
    // "&&" shows one "&" and makes no keyboard shortcut; the runs of spaces stay.
    QCOMPARE(QAccessible::queryAccessibleInterface(coBrand)->text(QAccessible::Name),
             QString(CoBrandCaption).replace("&&", "&"));
    QCOMPARE(coBrand->shortcut(), QKeySequence());

    const auto *fullBrand = form->findChild<LinkButton *>("lblFullBrand");
    QVERIFY(fullBrand);
    QCOMPARE(fullBrand->text(), FullBrandCaption);
    QVERIFY(!form->findChild<LinkButton *>("Label61")->text().isEmpty());

    // They read as links in the design's colour, whatever the system palette.
    for (const char *name : {"Label61", "lblFullBrand", "lblCobrand"}) {
        const QPalette palette = form->findChild<LinkButton *>(name)->palette();
        QCOMPARE(palette.color(QPalette::Link), FixedColour::Link);
        QCOMPARE(palette.color(QPalette::Window), FixedColour::ClassicWindow);
    }
}

void tst_VendorLinks::linksComeLastInTheTabOrder_data()
{
    promotionalCaptions_data();
}

// Tab reaches a form's own controls first and its vendor links, in the order they are drawn,
// after them.
void tst_VendorLinks::linksComeLastInTheTabOrder()
{
    QFETCH(QString, where);
    Form *form = openForm(where);
    QVERIFY(form);
    QStringList reached;
    for (QWidget *widget = form->nextInFocusChain(); widget != form;
         widget = widget->nextInFocusChain()) {
        if (form->isAncestorOf(widget) && widget->isVisibleTo(form) && widget->isEnabled() &&
            (widget->focusPolicy() & Qt::TabFocus))
            reached.append(widget->objectName());
    }
    QVERIFY2(reached.size() > 3, qPrintable(reached.join(' ')));
    QCOMPARE(reached.mid(reached.size() - 3),
             QStringList({"Label61", "lblFullBrand", "lblCobrand"}));
}

void tst_VendorLinks::aboutBoxLinks_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("pageKey");
    // clang-format off
    QTest::newRow("lblCoBrand")  << "lblCoBrand"  << "fully-branded";
    QTest::newRow("lblHomePage") << "lblHomePage" << "home-page";
    // clang-format on
}

void tst_VendorLinks::aboutBoxLinks()
{
    QFETCH(QString, control);
    QFETCH(QString, pageKey);
    frmAbout about(mainWindow());
    about.show();
    auto *link = about.findChild<LinkButton *>(control);
    QVERIFY(link);

    QTest::mouseClick(link, Qt::LeftButton);

    QCOMPARE(m_desktop.openedUrls.size(), 1);
    QCOMPARE(m_desktop.openedUrls.first().toString(), pageAddress(pageKey));
    QVERIFY(about.isVisible());
}

void tst_VendorLinks::aboutItemShowsTheAboutBoxModally_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("closeBox");
    QStringList places = {"main window"};
    for (int reading = Astrology; reading <= Profile; ++reading)
        places.append(QString("%1 input").arg(ReadingNames[reading]));
    for (int reading : {Astrology, Soulmate, Spiritual, Profile})
        places.append(QString("%1 display").arg(ReadingNames[reading]));
    for (const QString &where : places) {
        QTest::addRow("%s, OK", qPrintable(where)) << where << false;
        QTest::addRow("%s, close box", qPrintable(where)) << where << true;
    }
}

void tst_VendorLinks::aboutItemShowsTheAboutBoxModally()
{
    QFETCH(QString, where);
    QFETCH(bool, closeBox);
    Form *form = openForm(where);
    QVERIFY(form);
    auto *item = form->findChild<QAction *>("mnuAbout");
    QVERIFY(item);
    QCOMPARE(item->text(), QString("&About Software"));

    QString shown;
    QString title;
    bool modal = false;
    answerNextModal(this, [&](QWidget *box) {
        if (!box)
            return;
        shown = box->objectName();
        title = box->windowTitle();
        modal = box->isModal() && box->isVisible();
        if (closeBox)
            box->close();
        else if (auto *ok = box->findChild<QPushButton *>("cmdOK"))
            QTest::mouseClick(ok, Qt::LeftButton);
    });
    item->trigger();

    QCOMPARE(shown, QString("frmAbout"));
    QCOMPARE(title, QString("Lumo Tessaray v" LUMO_PROGRAM_VERSION));
    QVERIFY(modal);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(form->isEnabled());
}

// A slip in wiring a link must not open a page of the vendor's site that does not exist, whatever
// the build type.
void tst_VendorLinks::linkWithoutPageOrOfUnknownKindOpensNothing()
{
    LinkButton noPage;
    noPage.setObjectName("lblNoPage");
    QPushButton notALink;
    notALink.setObjectName("cmdNotALink");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("lblNoPage.*no page"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cmdNotALink.*neither"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("\\(none\\).*neither"));

    connectVendorLinks({{&noPage, QString()}, {&notALink, Page::Home}, {nullptr, Page::Home}});
    QTest::mouseClick(&noPage, Qt::LeftButton);
    QTest::mouseClick(&notALink, Qt::LeftButton);

    QCOMPARE(m_desktop.openedUrls, QList<QUrl>());
    QVERIFY(m_desktop.messages.isEmpty());
}

QTEST_MAIN(tst_VendorLinks)
#include "tst_vendorlinks.moc"
