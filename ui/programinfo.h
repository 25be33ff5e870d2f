#pragma once

#include <QStringView>

namespace molvera {

// The program's title: the main window's caption and the about box's "About ..." caption.
inline constexpr QStringView ProgramTitle = u"molvera";

} // namespace molvera
