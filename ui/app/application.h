#pragma once

namespace molvera {

// The program's name and version, as its command line, its settings and screen readers give them,
// and the desktop entry it belongs to.
void describeProgram();

// What the program sets up once before its window is built: the faces that stand in for the
// fonts the layouts name, the form font, quitting, and the control library's registration.
// Tests call it too, so that they see the program's fonts and controls.
void setUpApplication();

} // namespace molvera
