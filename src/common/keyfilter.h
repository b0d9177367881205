// Per-key filters of the entry fields: a refused character is dropped silently.
#pragma once

#include <QObject>

#include <functional>

class QLineEdit;
class QInputMethodEvent;
class QKeyEvent;

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
    void filterCommit(QInputMethodEvent* event) const;
    KeyFilter filter_;
    std::function<void()> onRefused_;
};

void installKeyFilter(QLineEdit* edit, KeyFilter filter, std::function<void()> onRefused = {});

} // namespace noktaris
