#include "transfer/tdownload_progress_dlg.h"

#include "language/download_texts.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvant {

namespace {
QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

TDownloadProgressDlg::TDownloadProgressDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("TDownloadProgressDlg");
    setWindowTitle("Execute Active Win");
    setProperty("helpContext", 10108);
    setWindowModality(Qt::ApplicationModal);

    LineLabel = new QLabel(this);
    LineLabel->setObjectName("LineLabel");
    ElapsedLabel = new QLabel(this);
    ElapsedLabel->setObjectName("ElapsedLabel");
    RemainingLabel = new QLabel(this);
    RemainingLabel->setObjectName("RemainingLabel");
    Progress = new QProgressBar(this);
    Progress->setObjectName("Progress");
    Progress->setMinimumWidth(320);
    CancelBtn = new QPushButton("Cancel", this);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setDefault(true);
    connect(CancelBtn, &QPushButton::clicked, this, &TDownloadProgressDlg::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CancelBtn);
    buttons->addStretch();
    auto* main = new QVBoxLayout(this);
    main->addWidget(LineLabel);
    main->addWidget(Progress);
    main->addWidget(ElapsedLabel);
    main->addWidget(RemainingLabel);
    main->addLayout(buttons);
    CancelBtn->setFocus();
}

void TDownloadProgressDlg::Show(std::size_t sent, std::size_t total) {
    const double elapsed = static_cast<double>(elapsed_.elapsed()) / 1000.0;
    const double remaining = static_cast<double>(total - sent) * gap_;
    LineLabel->setText(QString("Line %1 of %2").arg(sent).arg(total));
    ElapsedLabel->setText("Elapsed: " + Latin1(DurationText(elapsed)));
    RemainingLabel->setText("Remaining: " + Latin1(DurationText(remaining)));
    Progress->setMaximum(static_cast<int>(total));
    Progress->setValue(static_cast<int>(sent));
}

void TDownloadProgressDlg::Begin(std::size_t total, double gapSeconds) {
    gap_ = gapSeconds;
    cancelled_ = false;
    elapsed_.start();
    Show(0, total);
    show();
}

bool TDownloadProgressDlg::LineSent(std::size_t sent, std::size_t total) {
    Show(sent, total);
    // The one service between two lines: repaint, and let Cancel (or Esc) be pressed.
    QCoreApplication::processEvents();
    return !cancelled_;
}

void TDownloadProgressDlg::End() {
    hide();
}

void TDownloadProgressDlg::reject() {
    cancelled_ = true;
    QDialog::reject();
}

} // namespace orvant
