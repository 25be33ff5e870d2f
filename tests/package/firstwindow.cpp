// A Qt generic plugin that the package check loads into the unchanged, unpacked program
// (QT_PLUGIN_PATH and QT_QPA_GENERIC_PLUGINS=firstwindow): when the first top-level window has
// painted, it prints the window's name, title and size and ends the program.
#include <QApplication>
#include <QGenericPlugin>
#include <QTextStream>
#include <QWidget>

namespace {

class FirstWindowWatcher : public QObject
{
public:
    FirstWindowWatcher() { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Paint && widget && widget->isWindow()) {
            qApp->removeEventFilter(this);
            QTextStream(stdout) << "first window: " << widget->objectName() << " \""
                                << widget->windowTitle() << "\" " << widget->width() << 'x'
                                << widget->height() << Qt::endl;
            // Queued: the paint may come before the event loop runs, when quit() would be lost.
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

class FirstWindowPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "firstwindow.json")

public:
    // QGuiApplication owns what its generic plugins create and deletes it at the end.
    QObject *create(const QString &, const QString &) override { return new FirstWindowWatcher; }
};

#include "firstwindow.moc"
