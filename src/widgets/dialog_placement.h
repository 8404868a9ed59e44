#pragma once
// Dialogs of the workbench open centred on the screen with a fixed border.

class QWidget;

namespace orvant {

// Moves the window to the centre of the screen it is on.
void CentreOnScreen(QWidget& window);
// Gives a dialog the size its layout asks for, and keeps it (no resizing by the operator).
void FixBorder(QWidget& dialog);

} // namespace orvant
