#pragma once

#include <QIcon>
#include <QString>

namespace molvera {

// The program's pictures, drawn as SVG and compiled in as resources. Icons are rendered when
// first painted, so that pictures on hidden pages cost nothing at start-up.

// Laboratory glassware: the window icon and the picture of the header and the about box.
QIcon programIcon();

// The picture of a page button, by resource name: "exit", "clear", "print", "example", "about".
QIcon buttonPicture(QStringView name);

} // namespace molvera
