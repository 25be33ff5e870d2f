#pragma once

#include <QMetaType>

class QWidget;

namespace molvera {
class MainWindow;
}

namespace uitest {

// A form of the program as the user sees it after working on it: a page after its example (the
// molar page with the formula box's menu open), one of the about boxes, or the hydrate page with
// its method out of date.
enum class Form { MolarPage, PercentPage, HydratePage, AboutBox, HoverletAbout, HydrateOutOfDate };

// Opens `form` over `window`, shown and active; the form's window, or nullptr.
QWidget *openForm(molvera::MainWindow *window, Form form);

} // namespace uitest

Q_DECLARE_METATYPE(uitest::Form)
