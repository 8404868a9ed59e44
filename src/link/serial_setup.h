#pragma once
// Serial setup and controller identification: opens the link with the operator's settings,
// checks that a K2207 answers, asks which model it is and publishes the three status texts
// (panel 0 model, panel 1 link, panel 2 settings summary).

#include <QObject>
#include <QString>

#include <functional>

namespace orvant {

class ControllerLink;
class Operator;
class Session;
class TCommPortDriver;

// What the Serial Setup Dialog shows and yields.
struct SerialChoices {
    int channelIndex = 0;
    int baudIndex = 3;
    bool fastIndexer = false;
    bool autoInit = true;
    bool resetMcu = true;
};

inline const QString kNoInitLinkText = QStringLiteral("Serial: no init");

class SerialSetup : public QObject {
    Q_OBJECT
public:
    SerialSetup(Session& session, Operator& op, ControllerLink& link, TCommPortDriver& port,
                QObject* parent = nullptr);

    // The Serial Setup Dialog (through askSettings), then OpenPort and IdentifyController
    // with the operator's Reset choice and a reset wait of 2.5 s. Cancel changes nothing.
    void SetSerialClick();
    // Start-up set-up from the stored settings: reset, 2.2 s reset wait; the main menus
    // are disabled meanwhile.
    void SerialInit();
    // Closes and reopens the port with the stored settings; true when it opened.
    bool OpenPort();
    void IdentifyController(bool reset, double resetWait);
    // Panel 2: the settings summary of the current address.
    void ShowSettingsSummary();
    // The final step of both entry points: panels 0 and 1, then the settings summary.
    void PublishPanels();

    QString ModelText() const { return modelText_; }
    QString LinkText() const { return linkText_; }

    // Shows the Serial Setup Dialog preset from `choices`; false on Cancel, else fills
    // `choices`. The widget layer binds it to TSetSerialDlg run through the Operator.
    std::function<bool(SerialChoices& choices)> askSettings;
    // Disables (false) / enables (true) the ten main menus during SerialInit.
    std::function<void(bool enabled)> setMainMenusEnabled;
    // The link check number, 1..127. Drawn at random, seeded from the clock.
    std::function<int()> drawCheckNumber;

signals:
    void panelText(int panel, const QString& text);

private:
    Session& session_;
    Operator& op_;
    ControllerLink& link_;
    TCommPortDriver& port_;
    QString modelText_;
    QString linkText_;
};

} // namespace orvant
