// A form made in Qt Designer with the Hoverlet plugin, loaded at run time by QUiLoader with the
// plugin on its path. The test links nothing of hoverlet: the link on the form is whatever the
// plugin makes, so it shows that the plugin gives the real control with the form's values.
// HOVERLET_DESIGNER_PLUGINS names the plugin folder: the build tree's under CTest, an unpacked
// package's in the package check.
#define QTEST_QPA_MOUSE_HANDLING

#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QUiLoader>
#include <QUrl>

#include <memory>

using namespace Qt::StringLiterals;

class TestDesignerForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void propertiesComeFromTheForm_data();
    void propertiesComeFromTheForm();
    void linkHoversAndOpensItsAddress();

private:
    QLabel *label() const { return m_link->findChild<QLabel *>(u"lblLink"_s); }
    QColor textColour() const { return label()->palette().color(label()->foregroundRole()); }

    std::unique_ptr<QWidget> m_form;
    QWidget *m_link = nullptr;
    testsupport::UrlRecorder m_urls; // what a click would have opened
};

void TestDesignerForm::initTestCase()
{
    testsupport::quietPlatformLimits();

    const QString plugins = qEnvironmentVariable("HOVERLET_DESIGNER_PLUGINS");
    QVERIFY2(!plugins.isEmpty(), "HOVERLET_DESIGNER_PLUGINS is not set");
    // QUiLoader finds nothing in a relative folder.
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QDir(plugins).absolutePath());
    QVERIFY2(loader.availableWidgets().contains(u"hoverlet::Hoverlet"_s), qPrintable(plugins));

    QFile ui(u":/contactform.ui"_s);
    QVERIFY(ui.open(QIODevice::ReadOnly));
    m_form.reset(loader.load(&ui));
    QVERIFY2(m_form, qPrintable(loader.errorString()));
    m_link = m_form->findChild<QWidget *>(u"supportLink"_s);
    QVERIFY(m_link);
    // Without the plugin QUiLoader would still place a plain QWidget here.
    QCOMPARE(m_link->metaObject()->className(), "hoverlet::Hoverlet");
}

void TestDesignerForm::propertiesComeFromTheForm_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("geometry") << "geometry"_ba << QVariant(QRect(50, 70, 131, 33));
    QTest::newRow("caption") << "Caption"_ba << QVariant(u"Kestrova Software"_s);
    QTest::newRow("address, set through setProperty") // its setter is setUrl, not setURL
        << "URL"_ba << QVariant(u"mailto:support@kestrova.example"_s);
    QTest::newRow("normal colour green") << "NormalColor"_ba << QVariant(0x008000u);
    QTest::newRow("hover colour dark red") << "HoverColor"_ba << QVariant(0x000080u);
    QTest::newRow("normal underline off") << "NormalUnderline"_ba << QVariant(false);
    QTest::newRow("hover underline left at its default") << "HoverUnderline"_ba << QVariant(true);
}

void TestDesignerForm::propertiesComeFromTheForm()
{
    QFETCH(QByteArray, property);
    QFETCH(QVariant, expected);
    QCOMPARE(m_link->property(property), expected);
}

void TestDesignerForm::linkHoversAndOpensItsAddress()
{
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QVERIFY(label()->font().bold()); // the form's Font
    QCOMPARE(textColour(), QColor(0, 128, 0));
    QVERIFY(!label()->font().underline());

    QTest::mouseMove(label(), QPoint(10, 10));
    QCOMPARE(textColour(), QColor(128, 0, 0));
    QVERIFY(label()->font().underline());

    QTest::mouseClick(label(), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(m_urls.opened, QList<QUrl>{QUrl(u"mailto:support@kestrova.example"_s)});

    QTest::mouseMove(m_form.get(), QPoint(300, 250));
    QCOMPARE(textColour(), QColor(0, 128, 0));
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
}

QTEST_MAIN(TestDesignerForm)
#include "tst_designerform.moc"
