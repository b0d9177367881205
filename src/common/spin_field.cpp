#include "common/spin_field.h"

#include "common/numbers.h"
#include "common/style.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace noktaris {

namespace {
bool isSpinCharacter(QChar c) { return c.isDigit() || c == u'+' || c == u'-' || c == u','; }
} // namespace

SpinField::SpinField(QWidget* parent, int minimum, int maximum) : QSpinBox(parent)
{
    setRange(minimum, maximum);
    // Typing changes the editor's text; the arrows and the correction on leaving
    // change the value, whose new text the editor takes silently.
    const auto note = [this] {
        if (text() == shown_)
            return;
        shown_ = text();
        emit changed();
    };
    connect(lineEdit(), &QLineEdit::textChanged, this, note);
    connect(this, &QSpinBox::textChanged, this, note);
    shown_ = text();
}

std::int64_t SpinField::typedValue() const
{
    std::int64_t value = 0;
    guarded([&] { value = toWholeNumber(text()); });
    return value;
}

// Any text of the allowed characters may stand while typing; only a whole number
// within the range is a value.
QValidator::State SpinField::validate(QString& input, int&) const
{
    for (const QChar c : input)
        if (!isSpinCharacter(c))
            return QValidator::Invalid;
    std::int64_t value = 0;
    if (!guarded([&] { value = toWholeNumber(input); }))
        return QValidator::Intermediate;
    return value >= minimum() && value <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

// Leaving the field: a number beyond the range becomes its nearest end, anything
// else the value the field computes with (0, or the minimum above it).
void SpinField::fixup(QString& input) const
{
    std::int64_t value = 0;
    guarded([&] { value = toWholeNumber(input); });
    input = QString::number(std::clamp<std::int64_t>(value, minimum(), maximum()));
}

void SpinField::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    if (typed.size() == 1 && typed[0].isPrint() && !isSpinCharacter(typed[0])
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QApplication::beep();
        event->accept();
        return;
    }
    QSpinBox::keyPressEvent(event);
}

SpinField* addSpinField(QWidget* parent, const QString& name, const QRect& geometry, int minimum, int maximum)
{
    auto* field = new SpinField(parent, minimum, maximum);
    field->setObjectName(name);
    field->setGeometry(geometry);
    setLook(field, Qt::black, false);
    return field;
}

} // namespace noktaris
