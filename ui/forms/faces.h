#pragma once

#include <QString>

namespace molvera {

// The installed face that stands in for a face the layouts name ("Comic Sans MS"): the first of
// its substitutes that is installed, or the design face itself. Asked for by its own name, Qt
// finds the face at once; a family that is not installed first costs a fontconfig fallback
// search (about 2.5 million instructions, a tenth of the window's font work at start-up).
QString installedFace(const QString &designFace);

} // namespace molvera
