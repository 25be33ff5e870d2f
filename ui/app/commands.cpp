#include "commands.h"

#include <algorithm>

namespace molvera {

std::span<const Command> commands()
{
    static const Command Table[] = {molarCommand(), percentCommand(), hydrateCommand(),
                                    formulaCommand(), bookCommand()};
    return Table;
}

const Command *findCommand(QStringView word)
{
    const std::span<const Command> table = commands();
    const auto found = std::ranges::find_if(
        table, [word](const Command &command) { return word == command.name; });
    return found == table.end() ? nullptr : &*found;
}

} // namespace molvera
