#pragma once
// The toolbar's glyphs and the program's window icon, drawn in code.

#include <QIcon>
#include <QString>

namespace orvant {

// The glyph of a toolbar button by its name ("OpenBtn", "SaveBtn", ...); a null icon for an
// unknown name.
QIcon ToolGlyph(const QString& buttonName);

// A stepper motor's face: the icon of the main window and its children.
QIcon ApplicationIcon();

} // namespace orvant
