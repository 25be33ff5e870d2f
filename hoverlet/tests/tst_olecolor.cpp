// Stored 32-bit colours: direct values and system colours resolved through a palette.
#include <hoverlet/hoverlet.h>
#include <hoverlet/olecolor.h>

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QTest>

using hoverlet::OleColor;

class TestOleColor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void toQColor_data();
    void toQColor();
    void backColorFollowsItsSystemColour();
    void contrastRatio_data();
    void contrastRatio();
    void readableOn_data();
    void readableOn();

private:
    static QPalette palette();
};

// A palette whose roles all differ, so a wrong mapping cannot pass by accident.
QPalette TestOleColor::palette()
{
    QPalette p;
    int shade = 10;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        if (role == QPalette::NoRole)
            continue;
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            p.setColor(group, QPalette::ColorRole(role), QColor(shade, group * 40, 7));
        shade += 9;
    }
    return p;
}

void TestOleColor::toQColor_data()
{
    QTest::addColumn<OleColor>("colour");
    QTest::addColumn<QColor>("expected");
    const QPalette p = palette();
    QTest::newRow("red is 255") << OleColor(0x000000FF) << QColor(255, 0, 0);
    QTest::newRow("blue is &HFF0000") << OleColor(0x00FF0000) << QColor(0, 0, 255);
    QTest::newRow("green 128") << OleColor(0x00008000) << QColor(0, 128, 0);
    QTest::newRow("light green 128,255,128") << OleColor(0x0080FF80) << QColor(128, 255, 128);
    QTest::newRow("rgb helper order") << hoverlet::oleColorFromRgb(1, 2, 3) << QColor(1, 2, 3);
    QTest::newRow("button face &H8000000F") << OleColor(0x8000000F) << p.color(QPalette::Button);
    QTest::newRow("window &H80000005") << OleColor(0x80000005) << p.color(QPalette::Base);
    QTest::newRow("menu &H80000004") << OleColor(0x80000004) << p.color(QPalette::Window);
    QTest::newRow("window text &H80000008") << OleColor(0x80000008) << p.color(QPalette::Text);
    QTest::newRow("button text &H80000012")
        << OleColor(0x80000012) << p.color(QPalette::ButtonText);
    QTest::newRow("grey text &H80000011")
        << OleColor(0x80000011) << p.color(QPalette::Disabled, QPalette::Text);
    QTest::newRow("unknown system index") << OleColor(0x800000FF) << QColor();
    QTest::newRow("unused system index 25") << OleColor(0x80000019) << QColor();
    QTest::newRow("bits between flag and index") << OleColor(0x8001000F) << QColor();
}

void TestOleColor::toQColor()
{
    QFETCH(OleColor, colour);
    QFETCH(QColor, expected);
    QCOMPARE(hoverlet::toQColor(colour, palette()), expected);
}

void TestOleColor::backColorFollowsItsSystemColour()
{
    QWidget form;
    form.setPalette(palette());
    hoverlet::Hoverlet link(&form);
    QCOMPARE(link.palette().color(QPalette::Window), palette().color(QPalette::Button));
    link.setBackColor(0x80000005);
    QCOMPARE(link.palette().color(QPalette::Window), palette().color(QPalette::Base));
    link.setBackColor(hoverlet::oleColorFromRgb(10, 20, 30));
    QCOMPARE(link.palette().color(QPalette::Window), QColor(10, 20, 30));
    // The label itself stays an opaque button-face strip over the surface.
    const auto *label = link.findChild<QLabel *>(QStringLiteral("lblLink"));
    QVERIFY(label->autoFillBackground());
    QCOMPARE(label->palette().color(label->backgroundRole()), palette().color(QPalette::Button));
}

void TestOleColor::contrastRatio_data()
{
    QTest::addColumn<QColor>("first");
    QTest::addColumn<QColor>("second");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white, either way") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
    QTest::newRow("a colour on itself") << QColor(128, 0, 0) << QColor(128, 0, 0) << 1.0;
    QTest::newRow("green 128 on the light button face")
        << QColor(0, 128, 0) << QColor(239, 239, 239) << 4.468;
}

void TestOleColor::contrastRatio()
{
    QFETCH(QColor, first);
    QFETCH(QColor, second);
    QFETCH(double, ratio);
    QVERIFY(qAbs(hoverlet::contrastRatio(first, second) - ratio) < 0.001);
}

void TestOleColor::readableOn_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<bool>("kept");
    const QColor darkRed(128, 0, 0);
    const QColor darkFace(49, 54, 59);
    QTest::newRow("light face: the design's colour, even short of 4.5")
        << QColor(0, 128, 0) << QColor(239, 239, 239) << true;
    QTest::newRow("light face: dark red") << darkRed << QColor(Qt::white) << true;
    QTest::newRow("dark face: a colour that reads already")
        << QColor(128, 255, 128) << darkFace << true;
    QTest::newRow("dark face: dark red turns light") << darkRed << darkFace << false;
    QTest::newRow("black face: dark red") << darkRed << QColor(Qt::black) << false;
    QTest::newRow("dark face: blue, whose mirror is no lighter")
        << QColor(0, 0, 255) << darkFace << false;
    QTest::newRow("dark face: black text") << QColor(Qt::black) << darkFace << false;
}

void TestOleColor::readableOn()
{
    QFETCH(QColor, colour);
    QFETCH(QColor, background);
    QFETCH(bool, kept);
    const QColor shown = hoverlet::readableOn(colour, background);
    if (kept) {
        QCOMPARE(shown, colour);
        return;
    }
    QVERIFY(hoverlet::contrastRatio(shown, background) >= 4.5);
    QCOMPARE(shown.hslHue(), colour.hslHue());
    QVERIFY(shown.lightness() > colour.lightness());
}

QTEST_MAIN(TestOleColor)
#include "tst_olecolor.moc"
