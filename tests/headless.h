// The offscreen platform warns each time a window asks for something only a
// real screen has (a mask, size hints). Those warnings say nothing about the
// program, so the GUI tests keep them out of their output.
#pragma once

#include <QtGlobal>

namespace morvane::test {

inline void quietOffscreenWarnings()
{
    static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
            return;
        previous(type, context, message);
    });
}

}  // namespace morvane::test
