#pragma once

#include <QStringList>

#include <memory>
#include <optional>

class QCoreApplication;

namespace molvera {

struct Command;

// The program's command line, read before any application object exists. It asks for the window,
// for an answer on the terminal (--help, --version, a wrong option or argument), or for a command
// ("molvera molar ...", commands.h): only the window needs a window system, so the program
// answers everything else also where there is no display.
class CommandLine
{
public:
    CommandLine(int argc, char **argv);

    // The application object for this command line: the QApplication that the window needs, a
    // QCoreApplication for an answer or a command, and a QGuiApplication on the offscreen platform
    // for a command that writes a sheet (fonts need one, no display). A command's application is
    // shown only the program's name, `argc` becomes 1: every other argument is the command's.
    std::unique_ptr<QCoreApplication> createApplication(int &argc, char **argv) const;

    // Answers the command line on the terminal, once the application's translations are
    // installed, and gives the program's exit status then; nothing when the program is to open
    // its window. --help and a wrong option end the program inside, with status 0 and 1.
    std::optional<int> answer() const;

private:
    bool writesSheet() const;
    int answerCommand() const;

    // The program's name, then its own arguments: Qt's options before a command are left out.
    QStringList m_arguments;
    const Command *m_command = nullptr;
};

} // namespace molvera
