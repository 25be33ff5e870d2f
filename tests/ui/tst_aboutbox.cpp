#include "uitest.h"

#include <ui/window/aboutbox.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TestAboutBox : public QObject
{
    Q_OBJECT

private:
    template<typename T = QWidget> T *control(const QString &name) const
    {
        return uitest::control<T>(m_box.data(), name);
    }

    QPointer<molvera::AboutBox> m_box;

private Q_SLOTS:
    void initTestCase() { uitest::setUpProgram(); }
    void init()
    {
        m_box = new molvera::AboutBox;
        QVERIFY(uitest::showActive(m_box));
    }
    void cleanup()
    {
        delete m_box.data();
        uitest::flushDeletes();
    }

    void texts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("title") << u"lblTitle"_s << u"molvera   V2.0"_s;
        QTest::newRow("version") << u"lblVersion"_s << u"For Windows 95/98/2000/NT"_s;
        QTest::newRow("description")
            << u"lblDescription"_s
            << u"This program is a molvera calculator for laboratory technicians. The program "
               u"will assist in the preparation of reagents for use in laboratories."_s;
        QTest::newRow("mail prompt") << u"Label2"_s << u"Report comments and suggestions to:"_s;
        QTest::newRow("web prompt") << u"Label3"_s << u"Visit our web site for updates:"_s;
    }
    void texts()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QCOMPARE(control<QLabel>(name)->text(), text);
    }

    void dialog()
    {
        QCOMPARE(m_box->objectName(), u"frmAbout"_s);
        QCOMPARE(m_box->windowTitle(), u"About molvera"_s);
        QCOMPARE(m_box->size(), QSize(382, 268));
        QCOMPARE(m_box->minimumSize(), m_box->maximumSize());
        QVERIFY(!m_box->isModal());
        QVERIFY(!m_box->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!m_box->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(m_box->testAttribute(Qt::WA_DeleteOnClose));
        auto *ok = control<QPushButton>(u"cmdOK"_s);
        QVERIFY(ok->isDefault());
        QCOMPARE(QApplication::focusWidget(), ok);
        QCOMPARE(ok->geometry(), QRect(280, 144, 84, 23));
    }

    void links_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("mail") << u"Hoverlet1"_s << u"Kestrova Software"_s
                              << u"mailto:support@kestrova.example"_s << QRect(16, 208, 89, 17);
        QTest::newRow("web") << u"Hoverlet2"_s << u"kestrova.example"_s
                             << u"https://kestrova.example/"_s << QRect(160, 232, 97, 17);
    }
    void links()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, url);
        QFETCH(QRect, pixels);
        QWidget *link = control(name);
        QCOMPARE(link->property("Caption").toString(), caption);
        QCOMPARE(link->property("URL").toString(), url);
        QVERIFY(link->property("Font").value<QFont>().underline());
        QVERIFY(!link->property("Font").value<QFont>().bold());
        QCOMPARE(link->geometry(), pixels);
    }

    // The layout's boxes were sized for the old faces: the stand-ins must fit them too.
    void textsFitTheirBoxes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("title") << u"lblTitle"_s;
        QTest::newRow("version") << u"lblVersion"_s;
        QTest::newRow("description") << u"lblDescription"_s;
        QTest::newRow("mail prompt") << u"Label2"_s;
        QTest::newRow("web prompt") << u"Label3"_s;
    }
    void textsFitTheirBoxes()
    {
        QFETCH(QString, name);
        const auto *label = control<QLabel>(name);
        const QFontMetrics metrics = label->fontMetrics();
        // A wrapped text needs its full lines; a single line only its ink.
        const QRect needed = label->wordWrap()
                                 ? metrics.boundingRect(QRect(0, 0, label->width(), 10000),
                                                        Qt::TextWordWrap, label->text())
                                 : QRect(0, 0, metrics.horizontalAdvance(label->text()),
                                         metrics.tightBoundingRect(label->text()).height());
        QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                 qPrintable(u"%1 needs %2x%3 in %4x%5"_s.arg(name)
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(label->width())
                                .arg(label->height())));
    }

    void closing_data()
    {
        QTest::addColumn<int>("key"); // 0: click OK
        QTest::newRow("escape") << int(Qt::Key_Escape);
        QTest::newRow("enter") << int(Qt::Key_Return);
        QTest::newRow("ok clicked") << 0;
    }
    void closing()
    {
        QFETCH(int, key);
        if (key)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        else
            QTest::mouseClick(control(u"cmdOK"_s), Qt::LeftButton);
        uitest::flushDeletes();
        QVERIFY(m_box.isNull());
    }
};

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
