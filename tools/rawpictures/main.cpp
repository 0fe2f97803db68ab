// rawpictures: writes pictures out as C++ arrays of pixels, so the program
// shows them without decoding anything. Run by the build:
//
//   rawpictures <output.cpp> <name>=<picture.png> ...
//
// Each pixel is written as a number (0xAARRGGBB), so the compiler lays the
// array out in the byte order of the machine the program is built for, as
// QImage's 32-bit formats take it. Opaque pictures become Format_RGB32,
// the rest Format_ARGB32_Premultiplied, the formats Qt paints fastest.
#include <QImage>
#include <QImageReader>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fputs("usage: rawpictures <output.cpp> <name>=<picture.png> ...\n", stderr);
        return 2;
    }
    QString code;
    QTextStream out(&code);
    out << "// Written by tools/rawpictures from the program's pictures; not to be edited.\n"
           "#include \"rawpictures.h\"\n\n"
           "#include <iterator>\n\n"
           "namespace morvane {\nnamespace {\n\n";
    QString table;
    for (int i = 2; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const qsizetype equals = arg.indexOf(u'=');
        if (equals <= 0) {
            std::fprintf(stderr, "rawpictures: %s is not name=picture.png\n", argv[i]);
            return 2;
        }
        const QString name = arg.left(equals);
        QImageReader reader(arg.mid(equals + 1), "png");
        reader.setAutoDetectImageFormat(false);
        QImage image = reader.read();
        if (image.isNull()) {
            std::fprintf(stderr, "rawpictures: cannot read %s: %s\n", argv[i], qPrintable(reader.errorString()));
            return 1;
        }
        const bool alpha = image.hasAlphaChannel();
        image = image.convertToFormat(alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        const QString array = QStringLiteral("picture%1").arg(i - 2);
        out << "// " << name << ", " << image.width() << " x " << image.height() << "\n"
            << "const std::uint32_t " << array << "[] = {";
        for (int y = 0; y < image.height(); ++y) {
            const auto *line = reinterpret_cast<const quint32 *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                out << ((x % 8) ? " " : "\n    ") << "0x" << QString::number(line[x], 16) << ',';
        }
        out << "\n};\n\n";
        table += QStringLiteral("    {\"%1\", %2, %3, %4, %5},\n")
                     .arg(name)
                     .arg(image.width())
                     .arg(image.height())
                     .arg(alpha ? QStringLiteral("true") : QStringLiteral("false"), array);
    }
    out << "}  // namespace\n\n"
        << "const RawPicture kRawPictures[] = {\n"
        << table << "};\n"
        << "const std::size_t kRawPictureCount = std::size(kRawPictures);\n\n"
        << "}  // namespace morvane\n";
    out.flush();

    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(code.toUtf8()) < 0 || !file.commit()) {
        std::fprintf(stderr, "rawpictures: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
