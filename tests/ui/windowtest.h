#pragma once

#include "uitest.h"

#include <print/calculationsheet.h>
#include <ui/window/mainwindow.h>

#include <QLineEdit>
#include <QList>
#include <QObject>
#include <QRadioButton>
#include <QStringList>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace uitest {

// The scaffolding of a test of the main window: the program set up once; a window that a test
// function starts (most in their init()) and that is closed after each, with the locale back in
// US English; the window's controls reached by their names.
class WindowTest : public QObject
{
    Q_OBJECT

protected:
    // Starts a fresh main window, closing the one before, and shows the tab page named `page`.
    void startWindow(const QString &page = {});
    // The same in `locale`: the pages take their number format from the locale they are built in.
    void startWindowIn(const QLocale &locale, const QString &page = {});

    template<typename T = QWidget> T *control(const QString &name) const
    {
        return uitest::control<T>(m_window.get(), name);
    }
    QTabWidget *tabControl() const { return control<QTabWidget>(QStringLiteral("SSTab1")); }
    QString text(const QString &name) const { return control<QLineEdit>(name)->text(); }
    QStringList texts(const QStringList &names) const;
    bool checked(const QString &name) const { return control<QRadioButton>(name)->isChecked(); }
    void click(const QString &name) { QTest::mouseClick(control(name), Qt::LeftButton); }
    void typeInto(const QString &name, const QString &value)
    {
        uitest::typeInto(control<QLineEdit>(name), value);
    }
    // Picks `element` in one formula row and types `count` in its count box, leaving the focus
    // there: the count is not committed yet.
    void typeRow(const QString &elementBox, const QString &countBox, const QString &element,
                 const QString &count);

    // The names of the controls that Tab visits from `first` on until it is back there, both
    // included; the tab strip is "<tabs>".
    QStringList tabCycleFrom(const QString &first) const;

    // Checks and closes the input error box; false if none was open.
    bool acknowledgeInputError();
    // Closes the message box open on the window (the input error box checked as above) and
    // gives its name; empty if none was open.
    QString acknowledgeMessage();

    // Records the sheets that the page named `page` hands to its printer instead of printing
    // them, each with the text of the box `total` (if named) as it stood at that moment; the
    // printer answers `status`.
    void recordPrinting(const QString &page, const QString &total = {},
                        molvera::PrintStatus status = molvera::PrintStatus::Printed);

    std::unique_ptr<molvera::MainWindow> m_window;
    QList<molvera::CalculationSheet> m_sheets;
    QStringList m_totalsAtPrint;

private Q_SLOTS:
    void initTestCase();
    void cleanup();
};

} // namespace uitest
