#include "widgets/masked_edit.h"

#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace orvant {

namespace {

std::string Latin1(const QString& s) {
    return s.toLatin1().toStdString();
}
QString FromLatin1(const std::string& s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

// The line editor that shows the mask's display text and turns every edit into an edit of
// the mask's cells. Whatever the plain line editor would change by itself (undo, word
// deletion, its own bindings) is put back to the display text at once.
class MaskLineEdit : public QLineEdit {
public:
    explicit MaskLineEdit(MaskedEdit& owner) : QLineEdit(&owner), owner_(owner) {
        setContextMenuPolicy(Qt::NoContextMenu);
        setAcceptDrops(false);
        setDragEnabled(false);
        connect(this, &QLineEdit::textChanged, this, [this] { Resync(); });
    }

    void Show(const QString& display, std::size_t caret) {
        showing_ = true;
        setText(display);
        setCursorPosition(static_cast<int>(caret));
        showing_ = false;
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const EditMask& mask = owner_.mask_;
        EditMask::Cells cells = owner_.cells_;
        std::size_t from = 0, to = 0;
        Selection(from, to);
        if (event == QKeySequence::Paste) {
            std::size_t caret = from;
            EditMask::Cells trial = cells;
            mask.Erase(trial, from, to);
            if (mask.Paste(trial, caret, Latin1(QGuiApplication::clipboard()->text())))
                owner_.Apply(std::move(trial), caret);
            return;
        }
        if (event == QKeySequence::Cut) {
            if (from < to) {
                copy();
                mask.Erase(cells, from, to);
                owner_.Apply(std::move(cells), from);
            }
            return;
        }
        if (event == QKeySequence::Undo || event == QKeySequence::Redo)
            return;
        if (event->key() == Qt::Key_Backspace) {
            if (from == to) {
                // The editable position before the caret.
                std::size_t p = from;
                while (p > 0 && mask.IsLiteral(p - 1))
                    --p;
                if (p == 0)
                    return;
                from = p - 1;
                to = p;
            }
            mask.Erase(cells, from, to);
            owner_.Apply(std::move(cells), from);
            return;
        }
        if (event->key() == Qt::Key_Delete) {
            if (from == to)
                to = mask.NextEditable(from) + 1;
            mask.Erase(cells, from, to);
            owner_.Apply(std::move(cells), from);
            return;
        }
        const QString typed = event->text();
        const bool command =
            event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (!command && !typed.isEmpty() && typed.at(0).isPrint()) {
            TypeText(typed, from, to);
            return;
        }
        // Navigation, selection, Enter and Esc (which go on to the dialog), copy.
        QLineEdit::keyPressEvent(event);
    }

    void inputMethodEvent(QInputMethodEvent* event) override {
        if (!event->commitString().isEmpty()) {
            std::size_t from = 0, to = 0;
            Selection(from, to);
            TypeText(event->commitString(), from, to);
        }
        event->accept();
    }

    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        if (event->reason() != Qt::MouseFocusReason)
            selectAll();
    }

private:
    void Selection(std::size_t& from, std::size_t& to) const {
        if (hasSelectedText()) {
            from = static_cast<std::size_t>(selectionStart());
            to = from + static_cast<std::size_t>(selectionLength());
        } else {
            from = to = static_cast<std::size_t>(cursorPosition());
        }
    }

    void TypeText(const QString& typed, std::size_t from, std::size_t to) {
        const EditMask& mask = owner_.mask_;
        EditMask::Cells cells = owner_.cells_;
        mask.Erase(cells, from, to);
        std::size_t caret = from;
        if (mask.Paste(cells, caret, Latin1(typed)))
            owner_.Apply(std::move(cells), caret);
    }

    // Puts back the display text when the plain editor changed it by itself.
    void Resync() {
        if (showing_)
            return;
        const QString display = owner_.displayText();
        if (text() != display)
            Show(display,
                 static_cast<std::size_t>(std::min<int>(cursorPosition(), display.size())));
    }

    MaskedEdit& owner_;
    bool showing_ = false;
};

MaskedEdit::MaskedEdit(QWidget* parent) : MaskedEdit(QString(), parent) {}

MaskedEdit::MaskedEdit(const QString& mask, QWidget* parent)
    : QWidget(parent), maskText_(mask), mask_(Latin1(mask)), cells_(mask_.Empty()),
      edit_(new MaskLineEdit(*this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit_);
    setFocusProxy(edit_);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(edit_->sizePolicy());
    edit_->Show(displayText(), 0);
}

void MaskedEdit::setEditMask(const QString& mask) {
    const std::string current = mask_.Text(cells_);
    maskText_ = mask;
    mask_ = EditMask(Latin1(mask));
    Apply(mask_.FromText(current), 0);
}

QString MaskedEdit::text() const {
    return FromLatin1(mask_.Text(cells_));
}

void MaskedEdit::setText(const QString& text) {
    Apply(mask_.FromText(Latin1(text)), 0);
}

QString MaskedEdit::displayText() const {
    return FromLatin1(mask_.Display(cells_));
}

bool MaskedEdit::isComplete() const {
    return mask_.Complete(cells_);
}

void MaskedEdit::selectAll() {
    edit_->selectAll();
}

QLineEdit* MaskedEdit::lineEdit() const {
    return edit_;
}

void MaskedEdit::Apply(EditMask::Cells cells, std::size_t caret) {
    const QString before = text();
    cells_ = std::move(cells);
    edit_->Show(displayText(), std::min(caret, mask_.size()));
    const QString after = text();
    if (after != before)
        emit textChanged(after);
}

} // namespace orvant
