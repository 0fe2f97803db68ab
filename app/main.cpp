// Morvane: a Thai romance fortune teller.
//
// The code runs one way, each folder a library that links only what lies
// below it:
//   engine/     calendar and sign rules, the Thai date, the reading keys;
//               plain C++
//   catalogue/  the 39 readings, WriteProphesy's composition, and
//               MakePrediction, which makes one prediction as a value
//   ui/         what every window shares: fonts, clock, twips, pictures,
//               message boxes, the windows' sizes, faces and colours; the
//               start's warm-up
//   print/      the print device interface and its messages; the devices
//               (pango, cairo, CUPS) in a module loaded on the first print
//   result/     Form2 (the shaped result window), Form3 (print layout), the
//               report and the print command; it never sees Form1
//   app/        Form1 (input), Form4 (About), the start-up preparation and
//               wiring.cpp, where the windows meet: Form1 hands Form2 its
//               birth entry as a value and Form2 says by signal when it
//               has gone
// This file starts the application and wires the windows together.
#include "fonts.h"
#include "form1.h"
#include "setup.h"
#include "warmup.h"
#include "wiring.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // On a second core while this one connects to the display.
    morvane::StartWarmUp warmUp;
    QApplication app(argc, argv);
    warmUp.waitForFonts();
    morvane::setUpApplication(app);
    morvane::Form1 form1;
    morvane::wireWindows(form1);
    warmUp.waitForThaiBreaks();  // showing lays out the first Thai text
    form1.show();
    morvane::checkThaiFonts(&form1);
    return app.exec();
}
