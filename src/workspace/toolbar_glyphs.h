#pragma once
// The toolbar's glyphs and the program's window icon, drawn in code.

#include <QIcon>
#include <QString>

class QPainter;

namespace orvant {

// The glyph of a toolbar button by its name ("OpenBtn", "SaveBtn", ...); a null icon for an
// unknown name.
QIcon ToolGlyph(const QString& buttonName);

// A stepper motor's face: the icon of the main window and its children, at the sizes of
// kApplicationIconSizes.
QIcon ApplicationIcon();

// Paints the stepper motor's face into the square (0, 0)-(side, side) of `painter`. The
// window icon and the icon files that are installed for the desktop are drawn by it.
void PaintApplicationIcon(QPainter& painter, int side);

// The pixel sizes of the window icon and of the installed hicolor icons.
inline constexpr int kApplicationIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

} // namespace orvant
