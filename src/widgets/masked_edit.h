#pragma once
// An entry field with an edit mask (see edit_mask.h): only what the mask allows can be typed
// or pasted, empty positions show the mask's blank character, and the field's text is given
// back with its blanks. Typing overwrites position by position, as masked fields do; the
// whole entry is selected when the field gets the focus from the keyboard or on opening, so
// that typing replaces it. The text is the "text" property, so scripts can fill it.

#include "widgets/edit_mask.h"

#include <QString>
#include <QWidget>

class QLineEdit;

namespace orvant {

class MaskLineEdit;

class MaskedEdit : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged USER true)
public:
    explicit MaskedEdit(QWidget* parent = nullptr);
    explicit MaskedEdit(const QString& mask, QWidget* parent = nullptr);

    // Sets the mask; the current text is given to the new mask.
    void setEditMask(const QString& mask);
    QString editMask() const { return maskText_; }

    // The text with its blanks, for example "    1500" for 1500 under "!99999999;1;.".
    QString text() const;
    void setText(const QString& text);
    // What the field shows, for example "1500....".
    QString displayText() const;
    // Every required position is filled.
    bool isComplete() const;
    void selectAll();

    // The editor inside, for key and focus tests.
    QLineEdit* lineEdit() const;

signals:
    void textChanged(const QString& text);

private:
    friend class MaskLineEdit;
    void Apply(EditMask::Cells cells, std::size_t caret);

    QString maskText_;
    EditMask mask_;
    EditMask::Cells cells_;
    MaskLineEdit* edit_;
};

} // namespace orvant
