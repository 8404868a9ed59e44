#include "workspace/help_viewer.h"

#include <QFile>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace orvant {

QString HelpTopicPath(int context) {
    const QString path = QString(":/help/%1.html").arg(context);
    return QFile::exists(path) ? path : QString(":/help/1.html");
}

THelpViewer::THelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("HelpViewer");
    setWindowTitle("ORVANT PC Utilities Help");
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    browser_ = new QTextBrowser;
    browser_->setObjectName("HelpBrowser");
    browser_->setOpenExternalLinks(true);
    layout->addWidget(browser_);
    resize(560, 480);
}

void THelpViewer::ShowTopic(int context) {
    const QString path = HelpTopicPath(context);
    topic_ = path == ":/help/1.html" ? 1 : context;
    browser_->setSource(QUrl("qrc" + path));
    show();
    raise();
    activateWindow();
}

} // namespace orvant
