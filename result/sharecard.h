// The reading made to leave the program: a picture for sharing in chat
// programs, the same reading as plain text, both for the clipboard, and
// the picture saved as a PNG file. None of it needs a window.
#pragma once

#include <QImage>
#include <QString>

class QIODevice;
class QMimeData;

namespace morvane {

struct Prediction;

// Phones show pictures 1080 pixels wide at their sharpest.
inline constexpr int kShareCardWidth = 1080;

// The picture for sharing: the sheet of parchment, torn edge and ornament
// as the result window shows them, with the name, the birth line, the
// whole reading with its headings, and the date of the prediction and
// "Morvane" small at the foot. 1080 pixels wide, opaque, as tall as the
// reading and the name need, drawn at that size: never a window grabbed
// and enlarged. Null when there is no memory for it.
QImage shareCard(const Prediction &prediction);

// The reading as plain text, lines ending in LF: the name line, the birth
// line, then the reading under its headings, one paragraph a line.
QString shareText(const Prediction &prediction);

// What "คัดลอกคำทำนาย" puts on the clipboard: the text for editors and
// the picture for chat programs, in one piece.
QMimeData *shareMimeData(const Prediction &prediction);

// Encodes a picture as PNG into an open device; false when it could not
// all be written.
bool writePng(const QImage &picture, QIODevice &device);

// Writes a picture to a PNG file the way the PDF is saved: the file is
// replaced only once the whole picture has been written, and a save that
// fails leaves no part of a file and an existing file as it was. Empty
// when saved, else why not, in Thai for the user.
QString savePng(const QImage &picture, const QString &path);

}  // namespace morvane
