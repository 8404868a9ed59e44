#pragma once
// The progress of a long program download: line i of N, the time elapsed and the time that
// remains (the lines still to send times the send gap: the controller sends no replies).
// Shown modally while the download runs; between two lines the download services events
// once, so the dialog repaints and its Cancel button stops the download before the next
// line. Controls: LineLabel, ElapsedLabel, RemainingLabel, Progress, CancelBtn.

#include "transfer/program_download.h"

#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QProgressBar;
class QPushButton;

namespace orvant {

class TDownloadProgressDlg : public QDialog, public DownloadProgress {
    Q_OBJECT
public:
    explicit TDownloadProgressDlg(QWidget* parent = nullptr);

    void Begin(std::size_t total, double gapSeconds) override;
    bool LineSent(std::size_t sent, std::size_t total) override;
    void End() override;

    bool Cancelled() const { return cancelled_; }

    QLabel* LineLabel;
    QLabel* ElapsedLabel;
    QLabel* RemainingLabel;
    QProgressBar* Progress;
    QPushButton* CancelBtn;

public slots:
    void reject() override;

private:
    void Show(std::size_t sent, std::size_t total);

    QElapsedTimer elapsed_;
    double gap_ = 0;
    bool cancelled_ = false;
};

// A download that will take longer than this shows the progress dialog.
inline constexpr double kProgressDialogSeconds = 1.0;

} // namespace orvant
