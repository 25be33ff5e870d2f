#pragma once

// What hoverlet's tests share: quiet platform warnings, and a recorder of the addresses a link
// would open.

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QtGlobal>

namespace testsupport {

// The offscreen platform warns each time it is asked for what it cannot do (grab the mouse,
// raise a window). Qt still routes the mouse to the grabber there, so the warnings say nothing
// about the code under test; they are dropped, everything else goes on to QtTest.

inline QtMessageHandler forwardedHandler = nullptr;

inline void dropPlatformLimits(QtMsgType type, const QMessageLogContext &context,
                               const QString &message)
{
    if (type == QtWarningMsg && (message == u"This plugin does not support grabbing the mouse" ||
                                 message == u"This plugin does not support raise()"))
        return;
    forwardedHandler(type, context, message);
}

// Call from initTestCase(), after QtTest has installed its own handler.
inline void quietPlatformLimits()
{
    forwardedHandler = qInstallMessageHandler(dropPlatformLimits);
}

// Records what links would have opened, instead of starting anything: while it exists, it is the
// desktop's handler for web, mail and file addresses.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    UrlRecorder()
    {
        for (const char *scheme : Schemes)
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~UrlRecorder() override
    {
        for (const char *scheme : Schemes)
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }

private:
    static constexpr const char *Schemes[] = {"http", "https", "mailto", "file"};
};

} // namespace testsupport
