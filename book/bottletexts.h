#pragma once

#include <QString>

namespace molvera {

struct Bottle;

// A bottle's strength with its basis, in the user's language and notation: "37 % w/w", "5 M".
QString strengthText(const Bottle &bottle);

// The molarity a bottle's strength implies, to three figures or so: "12.1 M"; empty where none.
QString impliedMolarityText(const Bottle &bottle);

} // namespace molvera
