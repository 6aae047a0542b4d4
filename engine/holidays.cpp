// The year's tables: rebuilt in one pass whenever the engine's year changes.
#include "engine/clsCalendar.h"

void clsCalendar::Feiertage_Einlesen() {
    guarded_void("Feiertage_Einlesen", [&] {
        YearTables next = tables_;
        Berechne_SommerWinterzeit(next);
        tables_ = next;
    });
}
