#include "windows.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace morvane {

void centreOnScreen(QWidget &window, const QScreen *screen)
{
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

}  // namespace morvane
