#pragma once

#include <QString>

namespace molvera {

// The installed face that stands in for a face the layouts name ("Comic Sans MS"): the first of
// its substitutes that is installed, or the design face itself. Asked for by its own name, Qt
// finds the face at once; a family that is not installed first costs a fontconfig fallback
// search (about 2.5 million instructions, a tenth of the window's font work at start-up).
QString installedFace(const QString &designFace);

// The program's name and version, as its command line, its settings and screen readers give them,
// and the desktop entry it belongs to.
void describeProgram();

// What the program sets up once before its window is built: the faces that stand in for the
// fonts the layouts name, the form font, quitting, and the control library's registration.
// Tests call it too, so that they see the program's fonts and controls.
void setUpApplication();

} // namespace molvera
