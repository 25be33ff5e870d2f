// The control's look, hover tracking, activation and events. Mouse input goes through the
// window system layer, so the mouse grab routes it as it would for a user.
#define QTEST_QPA_MOUSE_HANDLING

#include "testsupport.h"

#include <hoverlet/hoverlet.h>

#include <QAccessible>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <memory>

using hoverlet::Hoverlet;
using hoverlet::OleColor;

struct Look
{
    QColor colour;
    bool underline;
};

class TestHoverlet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void newInstanceShowsBlueUnderlinedHoverlet();
    void hoverTurnsRedAndLeavingRestores();
    void edgesCountAsInside_data();
    void edgesCountAsInside();
    void clickWhileHoveringOpensOnce_data();
    void clickWhileHoveringOpensOnce();
    void mouseMoveComesAfterTheHoverStep();
    void withoutCheckHoverClicksReachTheLabel_data();
    void withoutCheckHoverClicksReachTheLabel();
    void doubleClickWithoutCheckHover();
    void switchingCheckHoverOffWhileHoveringReleases();
    void disabledLinkIsInert();
    void disablingWhileHoveringReleases();
    void normalColorWhileHoveringShowsAtOnce();
    void resizeWhileHoveringShowsNormalLook();
    void hidingWhileHoveringReleases();
    void anotherWindowTakingTheFocusEndsTheHover();
    void addressesThatAreNotOpened_data();
    void addressesThatAreNotOpened();
    void settersNotifyByName_data();
    void settersNotifyByName();
    void readersSeeALink_data();
    void readersSeeALink();
    void readersFollowTheLinkAsAClick_data();
    void readersFollowTheLinkAsAClick();

private:
    QLabel *label() const { return m_link->findChild<QLabel *>(QStringLiteral("lblLink")); }
    Look look() const
    {
        return {label()->palette().color(label()->foregroundRole()), label()->font().underline()};
    }
    void hover(QPoint at = QPoint(10, 10)) { QTest::mouseMove(label(), at); }

    testsupport::UrlRecorder m_urls;
    std::unique_ptr<QWidget> m_form;
    Hoverlet *m_link = nullptr;
};

static const QColor Blue(0, 0, 255);
static const QColor Red(255, 0, 0);

void TestHoverlet::initTestCase()
{
    testsupport::quietPlatformLimits();
}

void TestHoverlet::init()
{
    m_urls.opened.clear();
    m_form = std::make_unique<QWidget>();
    m_form->resize(300, 200);
    m_link = new Hoverlet(m_form.get());
    m_link->move(20, 20);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    // Start every test with the pointer away from the link.
    QTest::mouseMove(m_form.get(), QPoint(250, 150));
}

void TestHoverlet::cleanup()
{
    m_form.reset();
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
}

void TestHoverlet::newInstanceShowsBlueUnderlinedHoverlet()
{
    QCOMPARE(m_link->size(), QSize(81, 33)); // 1215 by 495 twips
    QCOMPARE(label()->text(), QStringLiteral("Hoverlet"));
    QCOMPARE(label()->geometry(), m_link->rect());
    QCOMPARE(look().colour, Blue);
    QVERIFY(look().underline);
    QCOMPARE(m_link->focusPolicy(), Qt::NoFocus);
    QCOMPARE(label()->focusPolicy(), Qt::NoFocus);
    QCOMPARE(m_link->cursor().shape(), Qt::PointingHandCursor);

    // What is painted: blue ink, nothing red.
    const QImage shot = m_link->grab().toImage().convertToFormat(QImage::Format_RGB32);
    bool blueInk = false;
    bool redInk = false;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            blueInk |= c.blue() > 200 && c.red() < 60 && c.green() < 60;
            redInk |= c.red() > 200 && c.blue() < 60 && c.green() < 60;
        }
    }
    QVERIFY(blueInk);
    QVERIFY(!redInk);
}

void TestHoverlet::hoverTurnsRedAndLeavingRestores()
{
    hover();
    QVERIFY(m_link->isHovering());
    QCOMPARE(QWidget::mouseGrabber(), m_link);
    QCOMPARE(look().colour, Red);
    QVERIFY(look().underline);

    // Onto the form beside the link: no Leave arrives while grabbed, the move decides.
    QTest::mouseMove(m_form.get(), QPoint(150, 30));
    QVERIFY(!m_link->isHovering());
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
    QCOMPARE(look().colour, Blue);
    QVERIFY(look().underline);
}

void TestHoverlet::edgesCountAsInside_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<bool>("inside");
    const QSize fresh(81, 33);
    QTest::newRow("x at the width") << fresh << QPoint(81, 10) << true;
    QTest::newRow("x one past the width") << fresh << QPoint(82, 10) << false;
    QTest::newRow("y at the height") << fresh << QPoint(10, 33) << true;
    QTest::newRow("y one past the height") << fresh << QPoint(10, 34) << false;
    QTest::newRow("bottom right corner itself") << fresh << QPoint(81, 33) << true;
    QTest::newRow("top left corner") << fresh << QPoint(0, 0) << true;
    QTest::newRow("x one left of the control") << fresh << QPoint(-1, 10) << false;
    QTest::newRow("y one above the control") << fresh << QPoint(10, -1) << false;
    QTest::newRow("wide control, x at its width") << QSize(200, 17) << QPoint(200, 5) << true;
    QTest::newRow("wide control, one further") << QSize(200, 17) << QPoint(201, 5) << false;
}

void TestHoverlet::edgesCountAsInside()
{
    QFETCH(QSize, size);
    QFETCH(QPoint, to);
    QFETCH(bool, inside);
    m_link->resize(size);
    hover();
    QVERIFY(m_link->isHovering());

    QTest::mouseMove(m_form.get(), m_link->mapTo(m_form.get(), to));
    QCOMPARE(m_link->isHovering(), inside);
    QCOMPARE(look().colour, inside ? Red : Blue);
}

void TestHoverlet::clickWhileHoveringOpensOnce_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("hoverUnderline");
    QTest::newRow("left button") << Qt::LeftButton << true;
    QTest::newRow("right button also activates") << Qt::RightButton << true;
    QTest::newRow("hover look without underline") << Qt::LeftButton << false;
}

void TestHoverlet::clickWhileHoveringOpensOnce()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, hoverUnderline);
    m_link->setHoverUnderline(hoverUnderline);
    m_link->setNormalUnderline(!hoverUnderline);
    QSignalSpy clicks(m_link, &Hoverlet::Click);
    QSignalSpy downs(m_link, &Hoverlet::MouseDown);
    QSignalSpy ups(m_link, &Hoverlet::MouseUp);

    hover();
    QTest::mouseClick(label(), button, {}, QPoint(12, 8));

    QCOMPARE(m_urls.opened, QList<QUrl>{QUrl(QStringLiteral("https://tarnwick.example/"))});
    QCOMPARE(clicks.size(), 1);
    // While hovering the surface takes the input: the label raises nothing of its own.
    QCOMPARE(downs.size(), 0);
    QCOMPARE(ups.size(), 0);
    QCOMPARE(look().colour, Blue);
    QCOMPARE(look().underline, hoverUnderline);
    QVERIFY(m_link->isHovering());

    QTest::mouseMove(m_form.get(), QPoint(250, 150));
    QCOMPARE(look().underline, !hoverUnderline);
}

void TestHoverlet::mouseMoveComesAfterTheHoverStep()
{
    QList<bool> hoveringAtEvent;
    connect(m_link, &Hoverlet::MouseMove, this,
            [&] { hoveringAtEvent.append(m_link->isHovering()); });
    QSignalSpy moves(m_link, &Hoverlet::MouseMove);
    QTest::mouseMove(label(), QPoint(7, 9));
    QCOMPARE(hoveringAtEvent, QList<bool>{true});
    QCOMPARE(moves.at(0).at(2).toFloat(), 7.0f);
    QCOMPARE(moves.at(0).at(3).toFloat(), 9.0f);
    // Further moves reach the surface, which raises no MouseMove.
    QTest::mouseMove(label(), QPoint(30, 12));
    QCOMPARE(moves.size(), 1);
}

void TestHoverlet::withoutCheckHoverClicksReachTheLabel_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("buttonCode");
    QTest::addColumn<int>("shiftCode");
    QTest::addColumn<int>("clicks");
    QTest::newRow("left click") << Qt::LeftButton << Qt::KeyboardModifiers() << 1 << 0 << 1;
    QTest::newRow("right click raises no Click")
        << Qt::RightButton << Qt::KeyboardModifiers() << 2 << 0 << 0;
    QTest::newRow("middle click") << Qt::MiddleButton << Qt::KeyboardModifiers() << 4 << 0 << 0;
    QTest::newRow("shift+ctrl left click")
        << Qt::LeftButton << (Qt::ShiftModifier | Qt::ControlModifier) << 1 << 3 << 1;
    QTest::newRow("alt left click")
        << Qt::LeftButton << Qt::KeyboardModifiers(Qt::AltModifier) << 1 << 4 << 1;
}

void TestHoverlet::withoutCheckHoverClicksReachTheLabel()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, buttonCode);
    QFETCH(int, shiftCode);
    QFETCH(int, clicks);
    m_link->setCheckHover(false);
    QSignalSpy clickSpy(m_link, &Hoverlet::Click);
    QSignalSpy downs(m_link, &Hoverlet::MouseDown);
    QSignalSpy ups(m_link, &Hoverlet::MouseUp);

    hover();
    QVERIFY(!m_link->isHovering());
    QCOMPARE(look().colour, Blue);
    QTest::mouseClick(label(), button, modifiers, QPoint(15, 11));

    QVERIFY(!m_link->isHovering());
    QCOMPARE(look().colour, Blue);
    QVERIFY(m_urls.opened.isEmpty());
    QCOMPARE(clickSpy.size(), clicks);
    QCOMPARE(downs.size(), 1);
    QCOMPARE(ups.size(), 1);
    const QList<QVariant> expected{QVariant::fromValue(qint16(buttonCode)),
                                   QVariant::fromValue(qint16(shiftCode)), QVariant(15.0f),
                                   QVariant(11.0f)};
    QCOMPARE(downs.at(0), expected);
    QCOMPARE(ups.at(0), expected);
}

void TestHoverlet::doubleClickWithoutCheckHover()
{
    m_link->setCheckHover(false);
    QStringList events;
    connect(m_link, &Hoverlet::Click, this, [&] { events << u"Click"_qs; });
    connect(m_link, &Hoverlet::DblClick, this, [&] { events << u"DblClick"_qs; });
    connect(m_link, &Hoverlet::MouseUp, this, [&] { events << u"MouseUp"_qs; });
    QTest::mouseDClick(label(), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(events.count(u"DblClick"_qs), 1);
    QCOMPARE(events.count(u"Click"_qs), 1); // the second release is part of the double click
    QCOMPARE(events.last(), u"MouseUp"_qs);
    QVERIFY(m_urls.opened.isEmpty());
}

void TestHoverlet::switchingCheckHoverOffWhileHoveringReleases()
{
    hover();
    QVERIFY(m_link->isHovering());
    m_link->setCheckHover(false);
    QVERIFY(!m_link->isHovering());
    QCOMPARE(look().colour, Blue);

    // A click elsewhere on the form must not be taken for a click on the link.
    QSignalSpy clicks(m_link, &Hoverlet::Click);
    QTest::mouseClick(m_form.get(), Qt::LeftButton, {}, QPoint(250, 150));
    QCOMPARE(clicks.size(), 0);
    QVERIFY(m_urls.opened.isEmpty());
}

void TestHoverlet::disabledLinkIsInert()
{
    m_link->setLinkEnabled(false);
    QSignalSpy clicks(m_link, &Hoverlet::Click);
    QSignalSpy doubleClicks(m_link, &Hoverlet::DblClick);
    QSignalSpy downs(m_link, &Hoverlet::MouseDown);
    QSignalSpy moves(m_link, &Hoverlet::MouseMove);
    QSignalSpy ups(m_link, &Hoverlet::MouseUp);

    hover();
    QVERIFY(!m_link->isHovering());
    QCOMPARE(look().colour, Blue);
    QVERIFY(look().underline);
    QTest::mouseClick(label(), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseDClick(label(), Qt::LeftButton, {}, QPoint(10, 10));

    QVERIFY(m_urls.opened.isEmpty());
    QCOMPARE(clicks.size() + doubleClicks.size() + downs.size() + moves.size() + ups.size(), 0);
    QCOMPARE(m_link->property("Enabled"), QVariant(false));

    m_link->setLinkEnabled(true);
    hover(QPoint(14, 12)); // a move to where the pointer already is would not be delivered
    QVERIFY(m_link->isHovering());
}

void TestHoverlet::disablingWhileHoveringReleases()
{
    hover();
    m_link->setLinkEnabled(false);
    QVERIFY(!m_link->isHovering());
    QCOMPARE(look().colour, Blue);
    QTest::mouseClick(label(), Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(m_urls.opened.isEmpty());
}

void TestHoverlet::normalColorWhileHoveringShowsAtOnce()
{
    const OleColor green = hoverlet::oleColorFromRgb(0, 128, 0);
    hover();
    QCOMPARE(look().colour, Red);
    m_link->setNormalColor(green);
    QCOMPARE(look().colour, QColor(0, 128, 0));

    QTest::mouseMove(label(), QPoint(40, 20));
    QTest::mouseMove(label(), QPoint(60, 25));
    QVERIFY(m_link->isHovering());
    QCOMPARE(look().colour, QColor(0, 128, 0));

    QTest::mouseMove(m_form.get(), QPoint(250, 150));
    hover();
    QCOMPARE(look().colour, Red);
}

void TestHoverlet::resizeWhileHoveringShowsNormalLook()
{
    m_link->setNormalUnderline(false);
    hover();
    QCOMPARE(look().colour, Red);
    QVERIFY(look().underline);
    m_link->resize(120, 20);
    QVERIFY(m_link->isHovering());
    QCOMPARE(look().colour, Blue);
    QVERIFY(!look().underline);
    QCOMPARE(label()->geometry(), QRect(0, 0, 120, 20));
}

void TestHoverlet::hidingWhileHoveringReleases()
{
    hover();
    m_link->hide();
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
    QCOMPARE(look().colour, Blue);
}

void TestHoverlet::anotherWindowTakingTheFocusEndsTheHover()
{
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    hover();
    QVERIFY(m_link->isHovering());
    // A dialog of the form, say, opened from Click: it must get the mouse.
    QWidget dialog(m_form.get(), Qt::Dialog);
    dialog.show();
    dialog.activateWindow();
    QTRY_COMPARE(QGuiApplication::focusWindow(), dialog.windowHandle());
    QVERIFY(!m_link->isHovering());
    QCOMPARE(look().colour, Blue);
}

void TestHoverlet::addressesThatAreNotOpened_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QUrl>("opened");
    QTest::newRow("web address") << u"https://tarnwick.example/x"_qs
                                 << QUrl(u"https://tarnwick.example/x"_qs);
    QTest::newRow("mail address") << u"mailto:desk@tarnwick.example"_qs
                                  << QUrl(u"mailto:desk@tarnwick.example"_qs);
    QTest::newRow("www without scheme")
        << u"www.tarnwick.example"_qs << QUrl(u"http://www.tarnwick.example"_qs);
    QTest::newRow("empty: Click only") << QString() << QUrl();
    QTest::newRow("local program: not started") << u"/usr/bin/xterm"_qs << QUrl();
    QTest::newRow("file scheme: not opened") << u"file:///etc/passwd"_qs << QUrl();
    QTest::newRow("script scheme: not opened") << u"javascript:alert(1)"_qs << QUrl();
    QTest::newRow("web scheme without host") << u"http://"_qs << QUrl();
}

void TestHoverlet::addressesThatAreNotOpened()
{
    QFETCH(QString, address);
    QFETCH(QUrl, opened);
    m_link->setUrl(address);
    QSignalSpy clicks(m_link, &Hoverlet::Click);
    hover();
    QTest::mouseClick(label(), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(m_urls.opened, opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{opened});
}

void TestHoverlet::settersNotifyByName_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QVariant>("value");
    QFont font(u"DejaVu Serif"_qs);
    font.setPointSizeF(12);
    QTest::newRow("BackColor") << QByteArray("BackColor") << QVariant(0x00C0C0C0u);
    QTest::newRow("Enabled") << QByteArray("Enabled") << QVariant(false);
    QTest::newRow("Font") << QByteArray("Font") << QVariant::fromValue(font);
    QTest::newRow("CheckHover") << QByteArray("CheckHover") << QVariant(false);
    QTest::newRow("HoverColor") << QByteArray("HoverColor") << QVariant(0x0080FF80u);
    QTest::newRow("HoverUnderline") << QByteArray("HoverUnderline") << QVariant(false);
    QTest::newRow("NormalColor") << QByteArray("NormalColor") << QVariant(0x00008000u);
    QTest::newRow("NormalUnderline") << QByteArray("NormalUnderline") << QVariant(false);
    QTest::newRow("URL") << QByteArray("URL") << QVariant(u"mailto:a@b.example"_qs);
    QTest::newRow("Caption") << QByteArray("Caption") << QVariant(u"Kestrova Software"_qs);
}

void TestHoverlet::settersNotifyByName()
{
    QFETCH(QByteArray, name);
    QFETCH(QVariant, value);
    QSignalSpy changed(m_link, &Hoverlet::propertyChanged);
    QVERIFY(m_link->setProperty(name.constData(), value));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), QString::fromLatin1(name));
    if (name == "Font")
        QCOMPARE(m_link->linkFont().family(), value.value<QFont>().family());
    else
        QCOMPARE(m_link->property(name.constData()), value);
}

void TestHoverlet::readersSeeALink_data()
{
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("description");
    QTest::newRow("described by its address") << QString() << u"https://tarnwick.example/"_qs;
    QTest::newRow("a host's tool-tip stays the description, the address follows")
        << u"Visit us"_qs << u"Visit us (https://tarnwick.example/)"_qs;
}

void TestHoverlet::readersSeeALink()
{
    QFETCH(QString, toolTip);
    QFETCH(QString, description);
    m_link->setToolTip(toolTip);
    m_link->setCaption(u"Tarnwick"_qs);
    QAccessibleInterface *link = QAccessible::queryAccessibleInterface(m_link);
    QCOMPARE(link->role(), QAccessible::Link);
    QCOMPARE(link->text(QAccessible::Name), u"Tarnwick"_qs);
    QCOMPARE(link->text(QAccessible::Description), description);
    QCOMPARE(link->text(QAccessible::Value), m_link->url());
    QVERIFY(link->state().linked);
    QVERIFY(!link->state().focusable);
    QCOMPARE(link->childCount(), 0);
    QCOMPARE(link->actionInterface()->actionNames(),
             QStringList{QAccessibleActionInterface::pressAction()});
}

void TestHoverlet::readersFollowTheLinkAsAClick_data()
{
    QTest::addColumn<bool>("checkHover");
    QTest::addColumn<bool>("linkEnabled");
    QTest::addColumn<int>("opened");
    QTest::addColumn<int>("clicks");
    QTest::newRow("opens the address and raises Click") << true << true << 1 << 1;
    QTest::newRow("without hover tracking, as a click on the caption: Click alone")
        << false << true << 0 << 1;
    QTest::newRow("an inert link does nothing") << true << false << 0 << 0;
}

void TestHoverlet::readersFollowTheLinkAsAClick()
{
    QFETCH(bool, checkHover);
    QFETCH(bool, linkEnabled);
    QFETCH(int, opened);
    QFETCH(int, clicks);
    m_link->setCheckHover(checkHover);
    m_link->setLinkEnabled(linkEnabled);
    QSignalSpy clicked(m_link, &Hoverlet::Click);
    QAccessible::queryAccessibleInterface(m_link)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    QCOMPARE(m_urls.opened.size(), opened);
    QCOMPARE(clicked.size(), clicks);
    QVERIFY(!m_link->hasFocus());
}

QTEST_MAIN(TestHoverlet)
#include "tst_hoverlet.moc"
