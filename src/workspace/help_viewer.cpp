#include "workspace/help_viewer.h"

#include <QAction>
#include <QFile>
#include <QKeySequence>
#include <QTextBrowser>
#include <QToolBar>
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

    // Back, Forward and the two pages an operator returns to most.
    auto* bar = new QToolBar;
    bar->setObjectName("HelpNavigation");
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction* back = bar->addAction("&Back", browser_, &QTextBrowser::backward);
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    QAction* forward = bar->addAction("&Forward", browser_, &QTextBrowser::forward);
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    bar->addSeparator();
    const struct {
        const char* caption;
        const char* page;
    } pages[] = {{"&Contents", "1.html"},
                 {"&Getting started", "getting_started.html"},
                 {"Command &language", "command_language.html"}};
    for (const auto& page : pages) {
        const QUrl url(QString("qrc:/help/") + page.page);
        QAction* go = bar->addAction(page.caption, this, [this, url] { browser_->setSource(url); });
        // Tool buttons drop the "&" of their action, so its Alt key is bound here.
        go->setShortcut(QKeySequence::mnemonic(page.caption));
    }
    layout->addWidget(bar);
    layout->addWidget(browser_);
    resize(720, 520);
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
