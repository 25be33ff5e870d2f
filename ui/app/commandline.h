#pragma once

#include <memory>
#include <optional>

class QCoreApplication;

namespace molvera {

// The application object for this command line. The command line is answered on the terminal
// when it asks for anything besides the window (--help, --version, a wrong option, an argument):
// that needs no window system, so a QCoreApplication is made, and the program answers also where
// there is no display. Otherwise the QApplication that the window needs.
std::unique_ptr<QCoreApplication> createApplication(int &argc, char **argv);

// Answers --help and --version, and refuses a wrong option or any argument with a message; gives
// the program's exit status then (0 after --help and --version, 1 after a refusal). Nothing when
// the program is to open its window.
std::optional<int> answerCommandLine(const QCoreApplication &app);

} // namespace molvera
