#include "windowtest.h"

#include <ui/pages/calculatorpage.h>

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QTabBar>

using namespace Qt::StringLiterals;

namespace uitest {

void WindowTest::initTestCase()
{
    setUpProgram();
}

void WindowTest::cleanup()
{
    m_window.reset();
    flushDeletes();
    QLocale::setDefault(english());
    m_sheets.clear();
    m_totalsAtPrint.clear();
}

void WindowTest::startWindow(const QString &page)
{
    m_window.reset();
    m_window = std::make_unique<molvera::MainWindow>();
    if (!showActive(m_window.get()))
        qWarning("the main window did not become active");
    if (page.isEmpty())
        return;
    tabControl()->setCurrentWidget(control(page));
    QVERIFY(control(page)->isVisible());
}

void WindowTest::startWindowIn(const QLocale &locale, const QString &page)
{
    m_window.reset();
    QLocale::setDefault(locale);
    startWindow(page);
}

QStringList WindowTest::texts(const QStringList &names) const
{
    QStringList result;
    for (const QString &name : names)
        result.append(text(name));
    return result;
}

void WindowTest::typeRow(const QString &elementBox, const QString &countBox, const QString &element,
                         const QString &count)
{
    auto *elements = control<QComboBox>(elementBox);
    elements->setCurrentIndex(elements->findText(element));
    uitest::typeInto(control<QComboBox>(countBox), count);
}

QStringList WindowTest::tabCycleFrom(const QString &first) const
{
    // More steps than any page's cycle has stops: a cycle that does not close shows in full.
    constexpr int MaxSteps = 50;
    const QWidget *start = control(first);
    const QWidget *tabs = tabControl()->tabBar();
    control(first)->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int step = 0; step < MaxSteps; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QWidget *focus = QApplication::focusWidget();
        visited << (focus == tabs ? u"<tabs>"_s : focus->objectName());
        if (focus == start)
            break;
    }
    return visited;
}

bool WindowTest::acknowledgeInputError()
{
    QMessageBox *box = openMessageBox(m_window.get(), u"InputErrorBox"_s);
    if (!box)
        return false;
    // The checks report into the running test; the box is closed whatever they find.
    [box] {
        QCOMPARE(box->windowTitle(), u" Input Error!"_s);
        QCOMPARE(box->text(), u"Please correctly fill in all required text boxes!"_s);
        QCOMPARE(box->icon(), QMessageBox::Critical);
        QCOMPARE(box->buttons().size(), 1);
    }();
    acknowledge(box);
    [this] { QVERIFY(!openMessageBox(m_window.get(), u"InputErrorBox"_s)); }();
    return true;
}

QString WindowTest::acknowledgeMessage()
{
    QMessageBox *box = openMessageBox(m_window.get(), {});
    const QString name = box ? box->objectName() : QString();
    if (name == u"InputErrorBox")
        acknowledgeInputError();
    else
        acknowledge(box);
    return name;
}

void WindowTest::recordPrinting(const QString &page, const QString &total,
                                molvera::PrintStatus status)
{
    control<molvera::CalculatorPage>(page)->setSheetOutput(
        [this, total, status](const molvera::CalculationSheet &sheet) {
            m_sheets.append(sheet);
            if (!total.isEmpty())
                m_totalsAtPrint.append(text(total));
            return status;
        });
}

} // namespace uitest
