#include "wiring.h"

#include "form1.h"
#include "form2.h"
#include "form4.h"
#include "startup.h"
#include "windows.h"

namespace morvane {

void wireWindows(Form1 &form1)
{
    SpareResult *spare = prepareWhileWaiting(form1);
    QObject::connect(&form1, &Form1::predictRequested, &form1, [&form1, spare](const BirthEntry &entry) {
        // Form_Load of the result window: the reading from the entry, then
        // the input window goes out of sight and the sheet comes up centred
        // where the input window was.
        Form2 *form2 = spare->take();
        form2->load(entry);
        QObject::connect(form2, &Form2::closed, &form1, &Form1::resultClosed);
        QObject::connect(form2, &Form2::closed, spare, &SpareResult::buildSoon);
        QScreen *screen = form1.screen();
        form1.hide();
        centreOnScreen(*form2, screen);
        form2->show();
        // With no window manager nothing gives the sheet the keyboard, and
        // Esc and Ctrl+P would go nowhere until it was clicked.
        form2->activateWindow();
    });
    QObject::connect(&form1, &Form1::aboutRequested, &form1, [&form1] { Form4::open(form1); });
}

}  // namespace morvane
