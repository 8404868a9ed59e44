#pragma once
// The motion calculator: a child window of the workspace in which the operator gives four of
// distance, acceleration, time, maximum and start/stop velocity and gets the fifth, the kind
// of profile and a velocity-time sketch with its times and partial distances. The
// calculation itself is CalculateMotion; this window reads the fields and shows the result.

#include "language/motion_calculation.h"

#include <QMdiSubWindow>
#include <QPointer>

#include <optional>

class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;

namespace orvant {

class Operator;
class Session;

class TMotion : public QMdiSubWindow {
    Q_OBJECT
public:
    // Opens with the session's start texts in the fields and the sketch hidden.
    TMotion(const Session& session, Operator& op, QWidget* parent = nullptr);
    // Stops listening to the application's focus changes before the fields go, so that a
    // focus change during the destruction never reaches a half-destroyed window.
    ~TMotion() override;

    QLineEdit* DEdit = nullptr;
    QLineEdit* AEdit = nullptr;
    QLineEdit* TEdit = nullptr;
    QLineEdit* MEdit = nullptr;
    QLineEdit* SEdit = nullptr;
    QPushButton* Apply = nullptr;
    QPushButton* Close = nullptr;

    QLineEdit* Field(MotionValue value) const;
    // A label of the sketch by its name (`OutS`, `x1`, `VS2`, "VMaxText", ...).
    QLabel* Label(const QString& name) const;

    bool DiagramHidden() const { return diagramHidden_; }
    bool Triangular() const { return triangular_; }
    // The value the last Apply computed or tried to compute.
    std::optional<MotionValue> Unknown() const { return unknown_; }
    const MotionResult& Result() const { return result_; }

    // Paints the axes and, while the sketch is shown, the red profile with its time marks.
    void DrawDiagram(QPainter& painter);

public slots:
    void ApplyClick();
    void CloseClick();
    // Entering or changing a field after a result: the computed field is emptied and the
    // sketch hidden, so that the next Apply computes the same value again.
    void ResetResult();
    void ShowValues();
    void ShowDiagramLabels();
    void SetDiagramHidden(bool hidden);

private:
    friend class MotionSketch;
    void PlaceDiagramLabels();
    void FocusChanged(QWidget* now);

    Operator& op_;
    QWidget* sketch_ = nullptr;
    std::optional<MotionValue> unknown_;
    bool triangular_ = true;
    bool diagramHidden_ = true;
    MotionResult result_;
    // The last control of this window that had the input focus: coming back to the window
    // is not entering a field.
    QPointer<QWidget> lastFocus_;
};

} // namespace orvant
