// Morvane: a Thai romance fortune teller.
//
// Form1 (app/) takes a name and a birth date; the engine (engine/) derives
// the weekday, sign, animal and place on the yearly cycle; the catalogue
// (catalogue/) composes the reading; Form2 (result/) shows it on a shaped
// sheet of parchment and prints it through Form3's print lines.
#include "fonts.h"
#include "form1.h"
#include "setup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    morvane::setUpApplication(app);
    morvane::Form1 form1;
    morvane::wireWindows(form1);
    form1.show();
    return app.exec();
}
