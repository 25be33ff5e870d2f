#pragma once

#include "bottle.h"

#include <QList>

namespace molvera {

// Where the starter bottles' data is, compiled into the program from book/data/: 35 bottles a
// lab keeps, each with its source, in the book's CSV form.
QString starterFile();

// The bottles a new book starts with, read from starterFile(); each keeps its English name as its
// starter key.
QList<Bottle> starterBottles();

// The starter bottles' English names as they are marked for translation, in the file's order.
QList<const char *> markedStarterNames();

// The name the user sees: a starter bottle's name in the user's language while it is still the
// starter name, the name as typed otherwise.
QString shownName(const Bottle &bottle);

} // namespace molvera
