#pragma once
// The flag box ("Dialog"): eight ON/OFF lines, bit 0 first (FlagLine0..FlagLine7), OKBtn.

#include <QDialog>

#include <array>
#include <string>

class QLabel;
class QPushButton;

namespace orvant {

class TUploadOutputFlagDlg : public QDialog {
    Q_OBJECT
public:
    explicit TUploadOutputFlagDlg(const std::array<std::string, 8>& lines,
                                  QWidget* parent = nullptr);

    std::array<QLabel*, 8> FlagLines{};
    QPushButton* OKBtn;
};

} // namespace orvant
