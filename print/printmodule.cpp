// The print module's one entry point: the program looks it up by name on
// the first print.
#include "printdevices.h"

extern "C" Q_DECL_EXPORT const morvane::PrintDevices *morvane_print_devices()
{
    return &morvane::printDevices();
}
