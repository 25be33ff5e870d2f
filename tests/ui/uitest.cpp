#include "uitest.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <application.h>
#include <mainwindow.h>

namespace uitest {

void setUpProgram()
{
    static bool done = false;
    if (!done) {
        molvera::setUpApplication();
        done = true;
    }
}

std::unique_ptr<molvera::MainWindow> startWindow()
{
    auto window = std::make_unique<molvera::MainWindow>();
    window->show();
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the main window did not become active");
    return window;
}

bool chooseItem(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text, Qt::MatchExactly);
    if (index < 0)
        return false;
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    if (!QTest::qWaitForWindowExposed(view->window()))
        return false;
    const QRect item = view->visualRect(view->model()->index(index, combo->modelColumn()));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    return QTest::qWaitFor([combo] { return !combo->view()->isVisible(); });
}

QMessageBox *openMessageBox(const QWidget *window, const QString &objectName)
{
    for (QMessageBox *box : window->findChildren<QMessageBox *>(objectName)) {
        if (box->isVisible())
            return box;
    }
    return nullptr;
}

void acknowledge(QMessageBox *box)
{
    if (!box)
        return;
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    flushDeletes();
}

void pressAccessKey(Qt::Key key)
{
    QWidget *target =
        QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    QTest::keyClick(target, key, Qt::AltModifier);
    // QAbstractButton::animateClick() holds the button down for 100 ms.
    QTest::qWait(200);
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace uitest
