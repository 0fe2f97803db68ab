#include "prepare.h"

#include "design.h"
#include "fonts.h"
#include "form2.h"
#include "pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace morvane {

void prepareResultWindow()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    const QScreen *screen = QGuiApplication::primaryScreen();
    // The sheet is drawn at the size it is shown at; decoding it is what
    // is left, and the pictures keep it decoded once done.
    parchment(screen ? screen->devicePixelRatio() : 1.0);

    // Drawing every Thai letter, mark and digit once in each of the result
    // window's faces renders their glyphs into Qt's cache, which the
    // window's first paint then only copies from.
    const QString sample = QStringLiteral(u"กขฃคฅฆงจฉชซฌญฎฏฐฑฒณดตถทธนบปผฝพฟภมยรฤลฦวศษสหฬอฮฯ "
                                          u"กะ กั กา กำ กิ กี กึ กื กุ กู เก แก โก ใก ไก ๆ ก็ ก่ ก้ ก๊ ก๋ ก์ "
                                          u"ป่ ป้ ฟั่ ญุ ฏุ ๐๑๒๓๔๕๖๗๘๙ 0123456789 . : (Your) -");
    // A glyph is cached once for each quarter-pixel offset it is drawn at.
    QImage canvas(32, 32, QImage::Format_RGB32);
    QPainter painter(&canvas);
    const qreal scale = Form2::scaleFor(screen);
    for (const design::Face &face : design::kForm2Faces) {
        painter.setFont(resolveFont(design::scaled(face, scale)));
        for (qreal offset : {0.0, 0.25, 0.5, 0.75})
            painter.drawText(QPointF(offset, 16), sample);
    }
    painter.end();

    // The pointers the click brings up (the busy pointer on the input
    // window, the text and hand pointers over the sheet) are read from the
    // cursor theme the first time a window shows them; a window that is
    // never shown reads them now.
    QWindow offstage;
    offstage.create();
    for (const QCursor &pointer : {QCursor(Qt::WaitCursor), QCursor(Qt::IBeamCursor), pointingHand()})
        offstage.setCursor(pointer);
}

}  // namespace morvane
