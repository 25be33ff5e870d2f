#pragma once

#include "command.h"

#include <QStringView>

#include <span>

namespace molvera {

// Every command of the command line, in the order the help lists them: one entry each.
std::span<const Command> commands();
// The command whose word is `word`, or nullptr.
const Command *findCommand(QStringView word);

// The commands, each in a file of its own.
Command molarCommand();
Command percentCommand();
Command hydrateCommand();
Command formulaCommand();
Command bookCommand();

} // namespace molvera
