// Choices and results change only when the user means it: a wheel turn over a list, or an input
// method's commit into a read-only box, changes nothing.
#include "windowtest.h"

#include <QComboBox>
#include <QInputMethodEvent>
#include <QTextEdit>
#include <qpa/qwindowsysteminterface.h>

using namespace Qt::StringLiterals;

namespace {

// What the user could see change on a page: every list's choice and every box's text.
QStringList pageState(const QWidget *page)
{
    QStringList state;
    for (const QComboBox *list : page->findChildren<QComboBox *>())
        state << list->objectName() + u'=' + QString::number(list->currentIndex()) + u'/' +
                     list->currentText();
    for (const QLineEdit *box : page->findChildren<QLineEdit *>())
        state << box->objectName() + u'=' + box->text();
    for (const QTextEdit *box : page->findChildren<QTextEdit *>())
        state << box->objectName() + u'=' + box->toPlainText();
    return state;
}

class WheelCounter : public QObject
{
public:
    using QObject::QObject;
    int turns = 0;

    bool eventFilter(QObject *, QEvent *event) override
    {
        turns += event->type() == QEvent::Wheel;
        return false;
    }
};

} // namespace

class TestInputGuard : public uitest::WindowTest
{
    Q_OBJECT

private:
    // The pages, each with its Example button, which fills the page with a calculation.
    static void addPages(bool withoutLists)
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("example");
        QTest::newRow("molar") << u"MolarPage"_s << u"cmdExample"_s;
        if (withoutLists)
            QTest::newRow("percent") << u"PercentPage"_s << u"cmdEgConc"_s;
        QTest::newRow("hydrate") << u"HydratePage"_s << u"cmdHEg"_s;
    }

private Q_SLOTS:

    // Turned over every list, with the focus elsewhere and with the focus in the list, the wheel
    // changes no choice and no box, takes no focus and reaches the window behind the list.
    void wheelPassesOverLists_data() { addPages(false); }
    void wheelPassesOverLists()
    {
        QFETCH(QString, page);
        QFETCH(QString, example);
        startWindow(page);
        click(example);
        const QWidget *pageWidget = control(page);
        auto *counter = new WheelCounter(m_window.get());
        m_window->installEventFilter(counter);
        QWindow *window = m_window->windowHandle();

        const QStringList before = pageState(pageWidget);
        int expectedTurns = 0;
        for (QComboBox *list : pageWidget->findChildren<QComboBox *>()) {
            if (!list->isVisibleTo(m_window.get()))
                continue;
            for (const bool focused : {false, true}) {
                (focused ? list : control(u"txtReag"_s))->setFocus();
                QWidget *const focus = QApplication::focusWidget();
                const QPoint at = list->mapTo(m_window.get(), list->rect().center());
                for (const int delta : {120, -120, -120}) {
                    QWindowSystemInterface::handleWheelEvent(window, at, m_window->mapToGlobal(at),
                                                             {}, QPoint(0, delta));
                    QCoreApplication::processEvents();
                    ++expectedTurns;
                }
                QCOMPARE(QApplication::focusWidget(), focus);
            }
            QCOMPARE(pageState(pageWidget), before);
        }
        QVERIFY(expectedTurns > 0);
        QCOMPARE(counter->turns, expectedTurns);
    }

    // An input method's commit reaches the boxes the user may type in, never a read-only one.
    void inputMethodOnlyWhereEditable_data() { addPages(true); }
    void inputMethodOnlyWhereEditable()
    {
        QFETCH(QString, page);
        QFETCH(QString, example);
        startWindow(page);
        click(example);
        const QWidget *pageWidget = control(page);
        QList<QWidget *> boxes{control(u"txtReag"_s)};
        for (QLineEdit *box : pageWidget->findChildren<QLineEdit *>())
            boxes << box;
        for (QTextEdit *box : pageWidget->findChildren<QTextEdit *>())
            boxes << box;

        for (QWidget *box : std::as_const(boxes)) {
            if (!box->isVisibleTo(m_window.get()))
                continue; // never shown, so never the input method's target
            const auto *line = qobject_cast<QLineEdit *>(box);
            const bool editable =
                line ? !line->isReadOnly() : !static_cast<QTextEdit *>(box)->isReadOnly();
            const QString before =
                line ? line->text() : static_cast<QTextEdit *>(box)->toPlainText();
            QInputMethodEvent commit;
            commit.setCommitString(u"12ж"_s);
            QCoreApplication::sendEvent(box, &commit);
            const QString after =
                line ? line->text() : static_cast<QTextEdit *>(box)->toPlainText();
            QVERIFY2((after != before) == editable,
                     qPrintable(box->objectName() + u": "_s + after));
        }
    }
};

QTEST_MAIN(TestInputGuard)
#include "tst_inputguard.moc"
