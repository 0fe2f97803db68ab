#include "prediction.h"

namespace morvane {

Prediction MakePrediction(const BirthEntry &entry, const Moment &moment)
{
    Prediction p;
    p.entry = entry;
    p.moment = moment;
    p.assembled = AssembleReading(entry, moment.day, moment.month, BuddhistYear(moment.year));
    const AssembledReading &keys = p.assembled;
    p.texts = WriteProphesy(keys.weekday, keys.sign, keys.animal, keys.yearPosition);
    return p;
}

}  // namespace morvane
