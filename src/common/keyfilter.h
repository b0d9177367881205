// Per-key filters of the entry fields: a refused character is dropped silently,
// except a full stop where the comma is the decimal separator, which shows a hint
// at the field. The numeric keypad's decimal key types the comma there.
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLineEdit;
class QInputMethodEvent;
class QKeyEvent;
class QWidget;

namespace noktaris {

enum class KeyFilter {
    Decimal,       // digits, comma, Backspace
    SignedWhole,   // digits, minus, Backspace
    Whole,         // digits, Backspace
    SignedDecimal, // digits, comma, minus, Backspace
    Name,          // everything but "#" and "$"
    GraphDecimal,  // as Decimal; a refused character calls onRefused
};

// Whether a typed character passes the filter (Backspace is "\b").
bool acceptsCharacter(KeyFilter filter, QChar c);

// The hint a refused full stop shows below its field, for a few seconds.
inline const QString kDecimalCommaHint = QStringLiteral("Desetinným oddělovačem je čárka, např. 5,6.");
void showDecimalCommaHint(QWidget* field);

class KeyFilterObject : public QObject {
    Q_OBJECT
public:
    KeyFilterObject(KeyFilter filter, QObject* parent, std::function<void()> onRefused = {});
    KeyFilter filter() const { return filter_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool acceptsTyped(QChar c) const;
    bool refuses(const QKeyEvent* key) const;
    void filterCommit(QInputMethodEvent* event, QObject* field) const;
    // The decimal-comma hint at the field, where the filter takes the comma.
    void hintComma(QObject* field) const;
    KeyFilter filter_;
    std::function<void()> onRefused_;
};

void installKeyFilter(QLineEdit* edit, KeyFilter filter, std::function<void()> onRefused = {});

} // namespace noktaris
