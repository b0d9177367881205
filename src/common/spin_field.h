// The whole-number spin fields of the windows.
#pragma once

#include <QSpinBox>

#include <cstdint>

class QKeyEvent;
class QRect;

namespace noktaris {

// A whole-number spin field: its arrows step by 1 within the range; typing takes
// digits, "+", "-" and the comma (other keys beep); a typed value beyond the range
// is brought back into it when the field loses the focus.
class SpinField : public QSpinBox {
    Q_OBJECT
public:
    SpinField(QWidget* parent, int minimum, int maximum);
    // While typing: the text as a whole number, or 0 when it is none.
    std::int64_t typedValue() const;

signals:
    // The text changed, by typing or by the arrows.
    void changed();

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString shown_;
};
SpinField* addSpinField(QWidget* parent, const QString& name, const QRect& geometry, int minimum, int maximum);

} // namespace noktaris
