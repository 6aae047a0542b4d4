// "Termine importieren …": the dates of another calendar (.ics) or an
// address book (.vcf) added to the store, and what became of them.
#pragma once

#include <QString>

#include "own_dates/store.h"

class QWidget;

// Asks for the file, then imports it. Returns what to tell the user (the
// counts of new, known and refused dates, the first reasons for refusing,
// or why nothing was read); empty when the user chose no file.
QString importOwnDates(QWidget* parent, vespera::own_dates::OwnDateStore& store);

// The same for a file already chosen.
QString importOwnDatesFrom(const QString& path, vespera::own_dates::OwnDateStore& store);
