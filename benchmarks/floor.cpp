// The floors the program's start-up is measured against: a bare window of
// the input window's size and, built with MORVANE_FLOOR_THAI_LABEL, the
// same window with one Thai label, which already pays for what any Thai Qt
// program pays (fontconfig, the font list, Thai shaping, libthai's word
// breaks).
//
//   morvane_floor_bare [WIDTHxHEIGHT]
//   morvane_floor_thai [WIDTHxHEIGHT]
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int width = 464, height = 356;
    if (argc > 1 && std::sscanf(argv[1], "%dx%d", &width, &height) != 2) {
        std::fprintf(stderr, "usage: %s [WIDTHxHEIGHT]\n", argv[0]);
        return 2;
    }
    QWidget window;
    window.setWindowTitle(QStringLiteral("floor"));
    window.setFixedSize(width, height);
#ifdef MORVANE_FLOOR_THAI_LABEL
    auto *label = new QLabel(QStringLiteral(u"กรุณาระบุชื่อ - สกุล"), &window);
    label->setGeometry(0, 0, width, 40);
    label->setAlignment(Qt::AlignCenter);
#endif
    window.show();
    return app.exec();
}
