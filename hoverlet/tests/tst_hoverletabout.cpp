// The library's single about box, opened by ShowAbout on any control.
#include "testsupport.h"

#include <hoverlet/hoverlet.h>

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

using hoverlet::Hoverlet;

class TestHoverletAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { testsupport::quietPlatformLimits(); }
    void init();
    void cleanup();

    void showAboutTwiceLeavesOneBox();
    void twoInstancesShareTheBox();
    void closingThenShowingBuildsANewBox_data();
    void closingThenShowingBuildsANewBox();
    void windowIsAFixedCentredToolWindow();
    void contactLinks_data();
    void contactLinks();
    void picturesAreDrawn_data();
    void picturesAreDrawn();
    void openBoxNeitherKeepsNorOutlivesTheProgram();
    void readersReadEveryText();
    void speaksGermanOnAGermanDesktop();

private:
    static QList<QWidget *> aboutBoxes();
    QWidget *shownBox();

    std::unique_ptr<QWidget> m_form;
    Hoverlet *m_first = nullptr;
    Hoverlet *m_second = nullptr;
};

QList<QWidget *> TestHoverletAbout::aboutBoxes()
{
    QList<QWidget *> boxes;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == u"frmAbout"_qs)
            boxes << w;
    }
    return boxes;
}

QWidget *TestHoverletAbout::shownBox()
{
    const QList<QWidget *> boxes = aboutBoxes();
    return boxes.size() == 1 ? boxes.front() : nullptr;
}

void TestHoverletAbout::init()
{
    m_form = std::make_unique<QWidget>();
    m_first = new Hoverlet(m_form.get());
    m_second = new Hoverlet(m_form.get());
}

void TestHoverletAbout::cleanup()
{
    for (QWidget *box : aboutBoxes())
        box->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(aboutBoxes().isEmpty());
    m_form.reset();
}

void TestHoverletAbout::showAboutTwiceLeavesOneBox()
{
    m_first->ShowAbout();
    QWidget *box = shownBox();
    QVERIFY(box);
    QVERIFY(box->isVisible());
    m_first->ShowAbout();
    QCOMPARE(aboutBoxes(), QList<QWidget *>{box});
    QVERIFY(!static_cast<QDialog *>(box)->isModal());
}

void TestHoverletAbout::twoInstancesShareTheBox()
{
    m_first->ShowAbout();
    QWidget *box = shownBox();
    m_second->ShowAbout();
    QCOMPARE(aboutBoxes(), QList<QWidget *>{box});
    // Its lifetime is the library's: the form that asked for it may go.
    m_form.reset();
    QCOMPARE(aboutBoxes(), QList<QWidget *>{box});
}

void TestHoverletAbout::closingThenShowingBuildsANewBox_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK button") << u"ok"_qs;
    QTest::newRow("title-bar close") << u"close"_qs;
    QTest::newRow("Escape key") << u"escape"_qs;
}

void TestHoverletAbout::closingThenShowingBuildsANewBox()
{
    QFETCH(QString, how);
    m_first->ShowAbout();
    QPointer<QWidget> box(shownBox());
    QVERIFY(box);
    if (how == u"ok"_qs)
        QTest::mouseClick(box->findChild<QPushButton *>(u"Command1"_qs), Qt::LeftButton);
    else if (how == u"close"_qs)
        box->close();
    else
        QTest::keyClick(box, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(box.isNull());
    QVERIFY(aboutBoxes().isEmpty());

    m_second->ShowAbout();
    QWidget *again = shownBox();
    QVERIFY(again);
    QVERIFY(again->isVisible());
}

void TestHoverletAbout::windowIsAFixedCentredToolWindow()
{
    m_first->ShowAbout();
    QWidget *box = shownBox();
    QCOMPARE(box->windowTitle(), u"About Tarnwick Hoverlet 1.0"_qs);
    QCOMPARE(box->windowType(), Qt::Tool);
    QCOMPARE(box->size(), QSize(414, 184)); // 6210 by 2760 twips
    QCOMPARE(box->minimumSize(), box->maximumSize());
    QVERIFY(box->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(!box->testAttribute(Qt::WA_QuitOnClose));
    const QPoint centre = box->screen()->availableGeometry().center();
    const QPoint offCentre = box->frameGeometry().center() - centre;
    QVERIFY2(offCentre.manhattanLength() <= 2,
             qPrintable(u"%1,%2 off centre"_qs.arg(offCentre.x()).arg(offCentre.y())));
    QCOMPARE(box->findChild<QPushButton *>(u"Command1"_qs)->text(), u"OK"_qs);
    QCOMPARE(box->findChild<QLabel *>(u"Label2"_qs)->text(), u"Contact info:"_qs);
}

// CTest runs this again under LANGUAGE=de: the library installs its own catalogue by itself.
void TestHoverletAbout::speaksGermanOnAGermanDesktop()
{
    if (!QLocale::system().uiLanguages().constFirst().startsWith(u"de"))
        QSKIP("run under LANGUAGE=de");
    m_first->ShowAbout();
    QWidget *box = shownBox();
    QCOMPARE(box->windowTitle(), u"Über Tarnwick Hoverlet 1.0"_qs);
    QCOMPARE(box->findChild<QLabel *>(u"Label2"_qs)->text(), u"Kontakt:"_qs);
    QCOMPARE(box->findChild<Hoverlet *>(u"Hoverlet1"_qs)->caption(), u"E-Mail"_qs);
}

void TestHoverletAbout::contactLinks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("url");
    QTest::newRow("Hoverlet2: the web site")
        << u"Hoverlet2"_qs << u"WWW"_qs << u"https://tarnwick.example/"_qs;
    QTest::newRow("Hoverlet1: mail")
        << u"Hoverlet1"_qs << u"E-mail"_qs << u"mailto:hoverlet@tarnwick.example"_qs;
}

void TestHoverletAbout::contactLinks()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, url);
    m_first->ShowAbout();
    auto *link = shownBox()->findChild<Hoverlet *>(name);
    QVERIFY(link);
    QCOMPARE(link->caption(), caption);
    QCOMPARE(link->url(), url);
    QCOMPARE(link->linkFont().family(), u"MS Sans Serif"_qs);
    QCOMPARE(link->linkFont().pointSizeF(), 8.25);
    QVERIFY(link->linkFont().underline());
    QVERIFY(!link->linkFont().bold());
    QCOMPARE(link->normalColor(), hoverlet::OleColors::Blue);
    QCOMPARE(link->hoverColor(), hoverlet::OleColors::Red);
    QVERIFY(link->checkHover());
    // The old face is drawn with one this system has.
    QVERIFY(!QFont::substitutes(u"MS Sans Serif"_qs).isEmpty());

    // The link is only 13 pixels high: its underline must still be painted, a row of ink
    // about as long as the caption.
    const QImage shot = link->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int captionWidth = QFontMetrics(link->linkFont()).horizontalAdvance(caption);
    int longestRun = 0;
    for (int y = 0; y < shot.height(); ++y) {
        int run = 0;
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            run = c.blue() > 150 && c.red() < 120 && c.green() < 120 ? run + 1 : 0;
            longestRun = std::max(longestRun, run);
        }
    }
    QVERIFY2(longestRun >= captionWidth * 8 / 10,
             qPrintable(u"longest run %1 of %2"_qs.arg(longestRun).arg(captionWidth)));
}

void TestHoverletAbout::picturesAreDrawn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("ink");
    QTest::newRow("banner in blue") << u"Image1"_qs << QSize(297, 55) << QColor(Qt::blue);
    QTest::newRow("logo in green") << u"Picture2"_qs << QSize(98, 39) << QColor(Qt::darkGreen);
}

void TestHoverletAbout::picturesAreDrawn()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(QColor, ink);
    m_first->ShowAbout();
    const auto *picture = shownBox()->findChild<QLabel *>(name);
    QVERIFY(picture);
    const QImage image = picture->pixmap().toImage();
    QCOMPARE(image.size(), size);
    QVERIFY(!image.hasAlphaChannel());
    // The pictures come from the library's resources: their ink is there, not an empty box.
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const bool matches =
                ink == QColor(Qt::blue)
                    ? c.blue() > 120 && c.blue() > 2 * c.red() && c.blue() > 2 * c.green()
                    : c.green() > 80 && c.green() > 2 * c.red() && c.green() > 2 * c.blue();
            inked += matches ? 1 : 0;
        }
    }
    QVERIFY2(inked > image.width(), qPrintable(QString::number(inked)));
}

// The program's last window closes while the box is open: the event loop still ends, and the
// box goes with it.
void TestHoverletAbout::openBoxNeitherKeepsNorOutlivesTheProgram()
{
    auto *window = new QWidget;
    window->setAttribute(Qt::WA_DeleteOnClose);
    auto *link = new Hoverlet(window);
    window->show();
    link->ShowAbout();
    QVERIFY(shownBox());
    QTimer::singleShot(0, window, &QWidget::close);
    QTimer::singleShot(60000, qApp, [] { QCoreApplication::exit(1); }); // instead of hanging
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(aboutBoxes().isEmpty());
}

// The banner and the logo say what they show; the separator lines are not read.
void TestHoverletAbout::readersReadEveryText()
{
    m_first->ShowAbout();
    QAccessibleInterface *box = QAccessible::queryAccessibleInterface(shownBox());
    QStringList names;
    for (int i = 0; i < box->childCount(); ++i)
        names << box->child(i)->text(QAccessible::Name);
    QCOMPARE(names, (QStringList{u"Tarnwick Hoverlet 1.0"_qs,
                                 u"Tarnwick"_qs,
                                 {},
                                 {},
                                 u"Contact info:"_qs,
                                 u"WWW"_qs,
                                 u"E-mail"_qs,
                                 u"OK"_qs}));
    QAccessibleInterface *ok = box->child(int(names.size()) - 1);
    QVERIFY(ok->state().defaultButton);
    QCOMPARE(ok->actionInterface()->actionNames().value(0),
             QAccessibleActionInterface::pressAction());
}

QTEST_MAIN(TestHoverletAbout)
#include "tst_hoverletabout.moc"
