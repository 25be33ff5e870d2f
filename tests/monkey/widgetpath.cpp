#include "widgetpath.h"

#include <ui/window/aboutbox.h>
#include <ui/window/mainwindow.h>

#include <QApplication>
#include <QStringList>
#include <QWidget>

namespace monkey {

using namespace Qt::StringLiterals;

namespace {

bool uniqueIn(const QWidget *top, const QWidget *widget)
{
    const QString name = widget->objectName();
    return !name.isEmpty() && top->findChildren<QWidget *>(name).size() == 1;
}

QString roleOf(const QWidget *top, const QWidget *mainWindow)
{
    if (top == mainWindow)
        return u"main"_s;
    if (top == QApplication::activePopupWidget())
        return u"popup"_s;
    if (top == QApplication::activeModalWidget())
        return u"modal"_s;
    if (const auto *main = qobject_cast<const molvera::MainWindow *>(mainWindow);
        main && top == main->aboutBox())
        return u"about"_s;
    return {};
}

QList<QWidget *> childWidgets(const QWidget *parent, const QString &className)
{
    QList<QWidget *> children;
    for (QObject *child : parent->children()) {
        if (child->isWidgetType() &&
            className == QLatin1StringView(child->metaObject()->className()))
            children.append(static_cast<QWidget *>(child));
    }
    return children;
}

} // namespace

QWidget *windowByRole(QStringView role, QWidget *mainWindow)
{
    if (role == u"main")
        return mainWindow;
    if (role == u"popup")
        return QApplication::activePopupWidget();
    if (role == u"modal")
        return QApplication::activeModalWidget();
    if (role == u"about") {
        QWidget *about = static_cast<molvera::MainWindow *>(mainWindow)->aboutBox();
        return about && about->isVisible() ? about : nullptr;
    }
    return nullptr;
}

QString pathOf(const QWidget *widget, const QWidget *mainWindow)
{
    const QWidget *top = widget->window();
    const QString role = roleOf(top, mainWindow);
    if (role.isEmpty())
        return {};
    QStringList steps;
    const QWidget *step = widget;
    for (; step != top && !uniqueIn(top, step); step = step->parentWidget()) {
        const QString className = QLatin1StringView(step->metaObject()->className());
        steps.prepend(className + u'#' +
                      QString::number(childWidgets(step->parentWidget(), className).indexOf(step)));
    }
    if (step != top)
        steps.prepend(step->objectName());
    return role + u'/' + steps.join(u'/');
}

QWidget *resolvePath(const QString &path, QWidget *mainWindow)
{
    const QStringList steps = path.split(u'/');
    QWidget *widget = windowByRole(steps.front(), mainWindow);
    for (qsizetype i = 1; widget && i < steps.size(); ++i) {
        const QString &step = steps[i];
        if (step.isEmpty())
            continue;
        const qsizetype hash = step.lastIndexOf(u'#');
        if (hash < 0) {
            const QList<QWidget *> named = widget->findChildren<QWidget *>(step);
            widget = named.size() == 1 ? named.front() : nullptr;
            continue;
        }
        const QList<QWidget *> children = childWidgets(widget, step.left(hash));
        const qsizetype index = step.mid(hash + 1).toInt();
        widget = index < children.size() ? children[index] : nullptr;
    }
    return widget;
}

} // namespace monkey
