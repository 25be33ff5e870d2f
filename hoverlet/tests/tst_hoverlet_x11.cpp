// Hover tracking against a real X server: the pointer is moved by warping it in X, and clicks
// come from the XTEST extension (xdotool), so the grab is the server's, not only Qt's.
#include "testsupport.h"

#include <hoverlet/hoverlet.h>

#include <QCursor>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <memory>

using hoverlet::Hoverlet;

class TestHoverletX11 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void pointerLeavingEndsTheHover_data();
    void pointerLeavingEndsTheHover();
    void clickWhileHoveringOpensOnce();
    void modalDialogFromClickGetsTheMouse();

private:
    QColor textColour() const
    {
        const auto *label = m_link->findChild<QLabel *>(u"lblLink"_qs);
        return label->palette().color(label->foregroundRole());
    }
    void pointTo(QWidget *widget, QPoint at) { QCursor::setPos(widget->mapToGlobal(at)); }

    testsupport::UrlRecorder m_urls;
    std::unique_ptr<QWidget> m_form;
    Hoverlet *m_link = nullptr;
    QPushButton *m_button = nullptr;
};

void TestHoverletX11::initTestCase()
{
    if (QGuiApplication::platformName() != u"xcb"_qs)
        QSKIP("needs an X server");
}

void TestHoverletX11::init()
{
    m_urls.opened.clear();
    m_form = std::make_unique<QWidget>();
    m_form->setGeometry(100, 100, 300, 200);
    m_link = new Hoverlet(m_form.get());
    m_link->move(20, 20);
    m_button = new QPushButton(u"Next"_qs, m_form.get());
    m_button->setGeometry(120, 20, 100, 30);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    // Away from where the last test left the pointer, and seen there: the form can map right
    // under it, over the new link.
    pointTo(m_form.get(), QPoint(250, 170));
    QTRY_VERIFY(m_form->underMouse() && !m_link->underMouse());
    QVERIFY(!m_link->isHovering());
}

void TestHoverletX11::cleanup()
{
    m_form.reset();
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
}

void TestHoverletX11::pointerLeavingEndsTheHover_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("onto a button of the same window") << u"button"_qs;
    QTest::newRow("onto the bare form") << u"form"_qs;
    QTest::newRow("out of the window altogether") << u"screen"_qs;
    QTest::newRow("one pixel right of the control") << u"edge"_qs;
}

void TestHoverletX11::pointerLeavingEndsTheHover()
{
    QFETCH(QString, where);
    pointTo(m_link, QPoint(10, 10));
    QTRY_VERIFY(m_link->isHovering());
    QCOMPARE(textColour(), QColor(255, 0, 0));

    if (where == u"button"_qs)
        pointTo(m_button, QPoint(50, 15));
    else if (where == u"form"_qs)
        pointTo(m_form.get(), QPoint(60, 150));
    else if (where == u"edge"_qs)
        pointTo(m_link, QPoint(m_link->width() + 1, 10));
    else
        QCursor::setPos(QPoint(900, 700)); // over no window of this program: only the grab sees it
    QTRY_VERIFY(!m_link->isHovering());
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
    QCOMPARE(textColour(), QColor(0, 0, 255));
}

void TestHoverletX11::clickWhileHoveringOpensOnce()
{
    const QString xdotool = QStandardPaths::findExecutable(u"xdotool"_qs);
    if (xdotool.isEmpty())
        QSKIP("xdotool is not installed");
    QSignalSpy clicks(m_link, &Hoverlet::Click);
    pointTo(m_link, QPoint(10, 10));
    QTRY_VERIFY(m_link->isHovering());

    QCOMPARE(QProcess::execute(xdotool, {u"click"_qs, u"1"_qs}), 0);
    QTRY_COMPARE(clicks.size(), 1);
    QCOMPARE(m_urls.opened, QList<QUrl>{QUrl(u"https://tarnwick.example/"_qs)});
    QCOMPARE(textColour(), QColor(0, 0, 255));
    QVERIFY(m_link->isHovering());
}

// A form that answers Click with a modal dialog: the dialog must be usable with the mouse,
// although the pointer was over the link, and the link held the grab, when it opened.
void TestHoverletX11::modalDialogFromClickGetsTheMouse()
{
    const QString xdotool = QStandardPaths::findExecutable(u"xdotool"_qs);
    if (xdotool.isEmpty())
        QSKIP("xdotool is not installed");
    m_link->setUrl(QString());
    bool accepted = false;
    bool grabbedWhileModal = true;
    connect(m_link, &Hoverlet::Click, this, [&] {
        QDialog dialog(m_form.get());
        dialog.setGeometry(500, 400, 200, 100);
        auto *close = new QPushButton(u"Close"_qs, &dialog);
        close->setGeometry(0, 0, 200, 100);
        connect(close, &QPushButton::clicked, &dialog, &QDialog::accept);
        QTimer::singleShot(0, &dialog, [&] {
            QTRY_VERIFY(dialog.isActiveWindow());
            grabbedWhileModal = QWidget::mouseGrabber() != nullptr;
            pointTo(close, QPoint(100, 50));
            QTRY_VERIFY(close->underMouse());
            QProcess::execute(xdotool, {u"click"_qs, u"1"_qs});
            // Give up rather than hang if the click never arrives.
            QTimer::singleShot(30000, &dialog, &QDialog::reject);
        });
        accepted = dialog.exec() == QDialog::Accepted;
    });
    pointTo(m_link, QPoint(10, 10));
    QTRY_VERIFY(m_link->isHovering());
    QCOMPARE(QProcess::execute(xdotool, {u"click"_qs, u"1"_qs}), 0);
    QTRY_VERIFY(accepted);
    QVERIFY(!grabbedWhileModal);
}

QTEST_MAIN(TestHoverletX11)
#include "tst_hoverlet_x11.moc"
