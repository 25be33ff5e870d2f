#pragma once

#include <QString>

class QWidget;

namespace monkey {

// Widgets named so that a replay on a fresh window finds them again: "<window>/<widget>". The
// window is named by its role at the moment of the action: "main" (the main window), "about"
// (the about box), "modal" (the active modal box), "popup" (the open popup: a list or a menu).
// The widget is its object name where that is unique in its window, else the way down from the
// nearest uniquely named ancestor, one "Class#n" per step (the n-th child of that class).
QString pathOf(const QWidget *widget, const QWidget *mainWindow);
QWidget *resolvePath(const QString &path, QWidget *mainWindow);

// The window a path starts at, by role.
QWidget *windowByRole(QStringView role, QWidget *mainWindow);

} // namespace monkey
