// Qt's own file dialog, shown in Thai whatever the system's language.
#pragma once

class QFileDialog;

namespace morvane {

// Qt writes the file sizes, types and dates of its file dialog the system
// locale's way (or the file type database's, which has no Thai); this has
// the dialog write them in Thai, dates with Buddhist-era years. Call it
// after choosing the dialog that is not the platform's own.
void showDetailsInThai(QFileDialog &dialog);

}  // namespace morvane
