#include "uitest.h"

#include <ui/app/application.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace uitest {

QLocale english()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

QLocale german()
{
    return QLocale(QLocale::German, QLocale::Germany);
}

void setUpProgram()
{
    QLocale::setDefault(english());
    static bool done = false;
    if (!done) {
        molvera::setUpApplication();
        done = true;
    }
}

bool showActive(QWidget *window)
{
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

void typeInto(QLineEdit *box, const QString &value)
{
    box->setFocus();
    box->selectAll();
    if (value.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, value);
}

void typeInto(QComboBox *box, const QString &value)
{
    box->setFocus();
    box->lineEdit()->selectAll();
    if (value.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, value);
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

QList<QMessageBox *> openMessageBoxes(const QWidget *window, const QString &objectName)
{
    QList<QMessageBox *> open;
    for (QMessageBox *box : window->findChildren<QMessageBox *>(objectName)) {
        if (box->isVisible())
            open.append(box);
    }
    return open;
}

QMessageBox *openMessageBox(const QWidget *window, const QString &objectName)
{
    const QList<QMessageBox *> open = openMessageBoxes(window, objectName);
    return open.isEmpty() ? nullptr : open.first();
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
    // QAbstractButton::animateClick() holds the button down for 100 ms, then clicks it; the
    // click may close the window.
    const QPointer<QWidget> window = target->window();
    QTest::keyClick(target, key, Qt::AltModifier);
    const auto released = [&window] {
        const QList<QAbstractButton *> buttons =
            window ? window->findChildren<QAbstractButton *>() : QList<QAbstractButton *>();
        return std::none_of(buttons.cbegin(), buttons.cend(),
                            [](const QAbstractButton *button) { return button->isDown(); });
    };
    QVERIFY2(QTest::qWaitFor(released, 10000), "a button is still held down");
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace uitest
