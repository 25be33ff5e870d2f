// Bulk creation and destruction, for the leak checkers: everything made here must be gone at
// the end, and the library must say it can be unloaded.
#define QTEST_QPA_MOUSE_HANDLING

#include "testsupport.h"

#include <hoverlet/componentserver.h>
#include <hoverlet/hoverlet.h>
#include <hoverlet/propertybag.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include <memory>

using hoverlet::Hoverlet;
using hoverlet::Result;

class TestHoverletLeak : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void thousandControls_data();
    void thousandControls();
    void hundredAboutBoxes();
};

void TestHoverletLeak::initTestCase()
{
    testsupport::quietPlatformLimits();
    QCOMPARE(DllRegisterServer(), Result::Ok);
}

void TestHoverletLeak::thousandControls_data()
{
    QTest::addColumn<bool>("byClassName");
    QTest::newRow("created by class name from a bag") << true;
    QTest::newRow("constructed directly") << false;
}

void TestHoverletLeak::thousandControls()
{
    QFETCH(bool, byClassName);
    const std::optional<hoverlet::PropertyBag> bag = hoverlet::PropertyBag::fromText(
        u"_ExtentX = 2566\n_ExtentY = 450\nFont = \"DejaVu Sans\" 9.75 bold underline\n"
        "Caption = \"Kestrova\" & Chr(10) & \"Software\"\nNormalColor = &H8000&\n"_qs);
    QVERIFY(bag);
    QWidget form;
    form.resize(200, 100);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    for (int i = 0; i < 1000; ++i) {
        QWidget *control = byClassName
                               ? hoverlet::createControl(u"vbpHoverlet.Hoverlet", &form, *bag)
                               : new Hoverlet(&form);
        QVERIFY(control);
        control->show();
        if (i % 50 == 0) {
            // Now and then hover and click, so the grab and the look are exercised too.
            auto *label = control->findChild<QLabel *>(u"lblLink"_qs);
            QTest::mouseMove(&form, QPoint(190, 90));
            QTest::mouseMove(label, QPoint(5, 5));
            QCOMPARE(QWidget::mouseGrabber(), control);
            static_cast<Hoverlet *>(control)->setUrl(QString());
            QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
        }
        delete control;
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
    }
    QVERIFY(form.children().isEmpty());
    QCOMPARE(DllCanUnloadNow(), Result::Ok);
}

void TestHoverletLeak::hundredAboutBoxes()
{
    QWidget form;
    auto *link = new Hoverlet(&form);
    for (int i = 0; i < 100; ++i) {
        link->ShowAbout();
        link->ShowAbout();
        QPointer<QWidget> box;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() == u"frmAbout"_qs) {
                QVERIFY(!box);
                box = w;
            }
        }
        QVERIFY(box);
        QVERIFY(box->isVisible());
        box->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(box.isNull());
    }
    delete link;
    QCOMPARE(DllCanUnloadNow(), Result::Ok);
}

QTEST_MAIN(TestHoverletLeak)
#include "tst_hoverlet_leak.moc"
