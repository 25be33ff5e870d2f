#include "forms.h"

#include "uitest.h"

#include <ui/window/aboutbox.h>
#include <ui/window/mainwindow.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace uitest {

QWidget *openForm(molvera::MainWindow *window, Form form)
{
    static const QString examples[] = {u"cmdExample"_s, u"cmdEgConc"_s, u"cmdHEg"_s};
    const int page = std::min(int(form), 2);
    window->findChild<QTabWidget *>(u"SSTab1"_s)->setCurrentIndex(page);
    if (!uitest::showActive(window))
        return nullptr;
    switch (form) {
    case Form::MolarPage:
    case Form::PercentPage:
    case Form::HydratePage:
    case Form::HydrateOutOfDate:
        window->findChild<QToolButton *>(examples[page])->click();
        if (form == Form::HydrateOutOfDate) // an edit after it greys the method
            window->findChild<QLineEdit *>(u"txtHVol"_s)->setText(u"50"_s);
        QApplication::focusWidget()->clearFocus();
        if (form == Form::MolarPage) {
            QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {}, {});
            QApplication::sendEvent(window->findChild<QWidget *>(u"txtReag"_s), &menuKey);
        }
        return window;
    case Form::AboutBox:
        window->findChild<QToolButton *>(u"cmdAbout"_s)->click();
        return window->findChild<molvera::AboutBox *>();
    case Form::HoverletAbout:
        QMetaObject::invokeMethod(window->findChild<QWidget *>(u"Hoverlet1"_s), "ShowAbout");
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->inherits("hoverlet::AboutBox") && top->isVisible())
                return top;
        }
        break;
    }
    return nullptr;
}

} // namespace uitest
