// The four entry points and creation of controls by class name.
#include "testsupport.h"

#include <hoverlet/componentserver.h>
#include <hoverlet/hoverlet.h>
#include <hoverlet/propertybag.h>

#include <QApplication>
#include <QPointer>
#include <QTest>

#include <memory>

using hoverlet::ClassFactory;
using hoverlet::PropertyBag;
using hoverlet::Result;

class TestComponentServer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { testsupport::quietPlatformLimits(); }
    void init();
    void cleanup();

    void registeredClassDescribesItself();
    void createByClassName_data();
    void createByClassName();
    void unknownClassIsNotAvailable_data();
    void unknownClassIsNotAvailable();
    void missingArgumentsAreRefused();
    void unregisterThenCreate();
    void canUnloadOnceInstancesAreDestroyed();
    void lockKeepsTheServer();
    void unbalancedUnlockDoesNotCancelALock();
    void aboutBoxLinksCountOnlyWhileItExists();

private:
    std::unique_ptr<QWidget> m_form;
};

void TestComponentServer::init()
{
    QCOMPARE(DllRegisterServer(), Result::Ok);
    m_form = std::make_unique<QWidget>();
}

void TestComponentServer::cleanup()
{
    m_form.reset();
    QCOMPARE(DllCanUnloadNow(), Result::Ok);
}

void TestComponentServer::registeredClassDescribesItself()
{
    QCOMPARE(hoverlet::classDescription(u"vbpHoverlet.Hoverlet"), u"Tarnwick Hoverlet 1.0"_qs);
    QCOMPARE(DllUnregisterServer(), Result::Ok);
    QVERIFY(hoverlet::classDescription(u"vbpHoverlet.Hoverlet").isEmpty());
}

void TestComponentServer::createByClassName_data()
{
    QTest::addColumn<QString>("className");
    QTest::newRow("registered name") << u"vbpHoverlet.Hoverlet"_qs;
    QTest::newRow("name in other case") << u"VBPHOVERLET.hoverlet"_qs;
}

void TestComponentServer::createByClassName()
{
    QFETCH(QString, className);
    PropertyBag bag;
    bag.write(u"Caption", u"Kestrova Software"_qs, QVariant());
    bag.setExtent(QSize(97, 17));
    Result result = Result::False;
    QWidget *control = hoverlet::createControl(className, m_form.get(), bag, &result);
    QCOMPARE(result, Result::Ok);
    auto *link = qobject_cast<hoverlet::Hoverlet *>(control);
    QVERIFY(link);
    QCOMPARE(link->parentWidget(), m_form.get());
    QCOMPARE(link->caption(), u"Kestrova Software"_qs);
    QCOMPARE(link->size(), QSize(97, 17));
}

void TestComponentServer::unknownClassIsNotAvailable_data()
{
    QTest::addColumn<QString>("className");
    QTest::newRow("empty") << QString();
    QTest::newRow("other class of the library") << u"vbpHoverlet.Other"_qs;
    QTest::newRow("class without library") << u"Hoverlet"_qs;
    QTest::newRow("trailing space") << u"vbpHoverlet.Hoverlet "_qs;
    QTest::newRow("very long name") << QString(100000, u'x');
    QTest::newRow("registered name, then a NUL and more")
        << QString(u"vbpHoverlet.Hoverlet"_qs + QChar(0) + u"Other"_qs);
}

void TestComponentServer::unknownClassIsNotAvailable()
{
    QFETCH(QString, className);
    Result result = Result::Ok;
    QCOMPARE(hoverlet::createControl(className, m_form.get(), PropertyBag(), &result), nullptr);
    QCOMPARE(result, Result::ClassNotAvailable);
    QVERIFY(m_form->children().isEmpty());
    if (className.contains(QChar(0)))
        return; // a C string ends at the NUL: only the Qt-side call can be asked about it
    ClassFactory *factory = reinterpret_cast<ClassFactory *>(this); // must be cleared
    QCOMPARE(DllGetClassObject(className.toUtf8().constData(), &factory),
             Result::ClassNotAvailable);
    QCOMPARE(factory, nullptr);
}

void TestComponentServer::missingArgumentsAreRefused()
{
    ClassFactory *factory = nullptr;
    QCOMPARE(DllGetClassObject(nullptr, &factory), Result::InvalidArgument);
    QCOMPARE(factory, nullptr);
    QCOMPARE(DllGetClassObject("vbpHoverlet.Hoverlet", nullptr), Result::InvalidArgument);
}

void TestComponentServer::unregisterThenCreate()
{
    QCOMPARE(DllUnregisterServer(), Result::Ok);
    Result result = Result::Ok;
    QCOMPARE(hoverlet::createControl(u"vbpHoverlet.Hoverlet", m_form.get(), PropertyBag(), &result),
             nullptr);
    QCOMPARE(result, Result::ClassNotAvailable);

    QCOMPARE(DllRegisterServer(), Result::Ok);
    QVERIFY(hoverlet::createControl(u"vbpHoverlet.Hoverlet", m_form.get(), PropertyBag(), &result));
    QCOMPARE(result, Result::Ok);
}

void TestComponentServer::canUnloadOnceInstancesAreDestroyed()
{
    QCOMPARE(DllCanUnloadNow(), Result::Ok);
    QWidget *first = hoverlet::createControl(u"vbpHoverlet.Hoverlet", m_form.get(), PropertyBag());
    QWidget *second = hoverlet::createControl(u"vbpHoverlet.Hoverlet", nullptr, PropertyBag());
    QCOMPARE(DllCanUnloadNow(), Result::False);
    delete first;
    QCOMPARE(DllCanUnloadNow(), Result::False);
    delete second;
    QCOMPARE(DllCanUnloadNow(), Result::Ok);

    // Destroyed as a child of its form, like any hosted control.
    hoverlet::createControl(u"vbpHoverlet.Hoverlet", m_form.get(), PropertyBag());
    QCOMPARE(DllCanUnloadNow(), Result::False);
    m_form.reset();
    QCOMPARE(DllCanUnloadNow(), Result::Ok);
}

void TestComponentServer::lockKeepsTheServer()
{
    ClassFactory *factory = nullptr;
    QCOMPARE(DllGetClassObject("vbpHoverlet.Hoverlet", &factory), Result::Ok);
    QVERIFY(factory);
    factory->lockServer(true);
    QCOMPARE(DllCanUnloadNow(), Result::False);
    // The lock holds even when the class is withdrawn.
    QCOMPARE(DllUnregisterServer(), Result::Ok);
    QCOMPARE(DllCanUnloadNow(), Result::False);
    factory->lockServer(false);
    QCOMPARE(DllCanUnloadNow(), Result::Ok);
}

void TestComponentServer::unbalancedUnlockDoesNotCancelALock()
{
    ClassFactory *factory = nullptr;
    QCOMPARE(DllGetClassObject("vbpHoverlet.Hoverlet", &factory), Result::Ok);
    factory->lockServer(false);
    factory->lockServer(true);
    QCOMPARE(DllCanUnloadNow(), Result::False);
    factory->lockServer(false);
    QCOMPARE(DllCanUnloadNow(), Result::Ok);
}

void TestComponentServer::aboutBoxLinksCountOnlyWhileItExists()
{
    auto *link = qobject_cast<hoverlet::Hoverlet *>(
        hoverlet::createControl(u"vbpHoverlet.Hoverlet", m_form.get(), PropertyBag()));
    QVERIFY(link);
    link->ShowAbout();
    QWidget *box = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == u"frmAbout"_qs)
            box = w;
    }
    QVERIFY(box);
    QPointer<QWidget> watched(box);
    delete link;
    QCOMPARE(DllCanUnloadNow(), Result::False); // the box's own two links are alive
    box->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(watched.isNull());
    QCOMPARE(DllCanUnloadNow(), Result::Ok);
}

QTEST_MAIN(TestComponentServer)
#include "tst_componentserver.moc"
