#pragma once

// The offscreen platform warns each time it is asked for what it cannot do (grab the mouse,
// raise a window). Qt still routes the mouse to the grabber there, so the warnings say nothing
// about the code under test; they are dropped, everything else goes on to QtTest.

#include <QString>
#include <QtGlobal>

namespace testsupport {

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

} // namespace testsupport
