#pragma once
// The Upload Dialog: which register (or three-byte value, or flag byte) to read back.
// Controls: UploadGroup (radio group, currentIndex = item 0..21), OKBtn, CancelBtn.

#include <QDialog>

class QPushButton;

namespace orvant {

class RadioGroup;

struct UploadChoice {
    int item = 0; // index into UploadItems()
};

class TUploadDlg : public QDialog {
    Q_OBJECT
public:
    explicit TUploadDlg(QWidget* parent = nullptr);
    UploadChoice choices() const;

    RadioGroup* UploadGroup;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

} // namespace orvant
