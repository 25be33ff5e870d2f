#pragma once

class QWidget;

namespace molvera {

// What screen readers (through Qt's accessibility bridge, AT-SPI on Linux) see of the program
// beyond Qt's own interfaces:
// - a text box the user cannot edit is read-only to them too: not editable, and no text can be
//   written into it from outside;
// - a drop-down list is called by its name, not by the item it shows, and holds that item as
//   its text;
// - the tab control's stack of pages is a filler, passed over on the way into a page;
// - boxes that are never shown (a page's stored results and print lines) are not in the tree.
// Installed once, at start-up.
void installAccessibleInterfaces();

} // namespace molvera
