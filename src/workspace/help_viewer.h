#pragma once
// The operator help: a browser window over the help pages compiled into the program, one
// page per help context number.

#include <QWidget>

class QTextBrowser;

namespace orvant {

inline constexpr char kHelpFile[] = "Orv_Win.hlp";

// The resource path of a topic's page, or of the contents page (topic 1) when there is no
// page for `context`.
QString HelpTopicPath(int context);

class THelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit THelpViewer(QWidget* parent = nullptr);

    // Opens the page of `context` (the contents when it has none) and brings the window up.
    void ShowTopic(int context);
    int CurrentTopic() const { return topic_; }
    QTextBrowser* Browser() const { return browser_; }

private:
    QTextBrowser* browser_ = nullptr;
    int topic_ = 0;
};

} // namespace orvant
