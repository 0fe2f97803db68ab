// One prediction as a value: everything the result window shows, the print
// layout holds, the report prints and a saved copy carries, made once from
// the birth entry and the moment the prediction was asked for. No window
// is needed to make it, and nothing is read back from one.
#pragma once

#include "assembly.h"
#include "calendar.h"
#include "writeprophesy.h"

namespace morvane {

struct Prediction
{
    BirthEntry entry;
    Moment moment;               // when "ทำนาย" was pressed, on the local clock
    AssembledReading assembled;  // the name line, the birth line and the keys
    ProphesyTexts texts;         // the reading box's text and the three print captions
};

Prediction MakePrediction(const BirthEntry &entry, const Moment &moment);

}  // namespace morvane
