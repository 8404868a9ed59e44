#pragma once
// The OK and Cancel buttons of the workbench's dialogs: OK is the default button and
// accepts, Cancel rejects (as Esc and the window's close button do).

class QDialog;
class QHBoxLayout;
class QPushButton;

namespace orvant {

// Creates OKBtn and CancelBtn in `dialog` and returns their row, right-aligned.
QHBoxLayout* OkCancelRow(QDialog& dialog, QPushButton*& ok, QPushButton*& cancel);

} // namespace orvant
