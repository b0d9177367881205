#include "common/keyfilter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolTip>

namespace noktaris {

bool acceptsCharacter(KeyFilter filter, QChar c)
{
    if (c == u'\b')
        return true;
    const bool digit = c >= u'0' && c <= u'9';
    switch (filter) {
    case KeyFilter::Decimal:
    case KeyFilter::GraphDecimal: return digit || c == u',';
    case KeyFilter::SignedWhole: return digit || c == u'-';
    case KeyFilter::Whole: return digit;
    case KeyFilter::SignedDecimal: return digit || c == u',' || c == u'-';
    case KeyFilter::Name: return c != u'#' && c != u'$';
    }
    return false;
}

KeyFilterObject::KeyFilterObject(KeyFilter filter, QObject* parent, std::function<void()> onRefused)
    : QObject(parent), filter_(filter), onRefused_(std::move(onRefused))
{
}

namespace {

// Keys that edit the text or move in it rather than type: they pass whatever text
// the platform gives them (X11 gives Delete the text U+007F). Escape and Tab pass
// on to the window.
bool isEditingKey(int key)
{
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Insert:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape: return true;
    default: return false;
    }
}

// Filters of numbers, where the comma is the decimal separator.
bool takesDecimalComma(KeyFilter filter) { return filter != KeyFilter::Name && acceptsCharacter(filter, u','); }

// The numeric keypad's decimal key where the layout makes it a full stop (the
// Czech layout types a comma already; with Num Lock off it is the keypad's
// Delete, an editing key).
bool isKeypadFullStop(const QKeyEvent* key) { return (key->modifiers() & Qt::KeypadModifier) && key->text() == u"."; }

} // namespace

void showDecimalCommaHint(QWidget* field)
{
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), kDecimalCommaHint, field, QRect(), 4000);
}

bool KeyFilterObject::acceptsTyped(QChar c) const
{
    if (filter_ == KeyFilter::Name)
        return acceptsCharacter(filter_, c);
    return c.unicode() >= 32 && c.unicode() != 127 && acceptsCharacter(filter_, c);
}

bool KeyFilterObject::refuses(const QKeyEvent* key) const
{
    if (isEditingKey(key->key()))
        return false;
    const QString text = key->text();
    const bool control = key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (filter_ == KeyFilter::Name)
        return text.size() == 1 && !acceptsTyped(text[0]);
    if (text.isEmpty()) {
        // Keys that type nothing (Shift, function keys) pass, but not the clipboard
        // and undo combinations, which type control characters.
        return control && key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z;
    }
    return text.size() != 1 || control || !acceptsTyped(text[0]);
}

// Text from an input method (dead keys, compose, IBus) keeps only what the filter
// would have let through had it been typed.
void KeyFilterObject::filterCommit(QInputMethodEvent* event, QObject* field) const
{
    const QString committed = event->commitString();
    QString kept;
    for (const QChar c : committed)
        if (acceptsTyped(c))
            kept += c;
    if (kept.size() == committed.size())
        return;
    event->setCommitString(kept, event->replacementStart(), event->replacementLength());
    if (committed.contains(u'.'))
        hintComma(field);
    if (onRefused_)
        onRefused_();
}

void KeyFilterObject::hintComma(QObject* field) const
{
    if (takesDecimalComma(filter_) && field->isWidgetType())
        showDecimalCommaHint(static_cast<QWidget*>(field));
}

bool KeyFilterObject::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::InputMethod)
        filterCommit(static_cast<QInputMethodEvent*>(event), watched);
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // The keypad's decimal key types the decimal comma whatever the layout; the
    // comma goes to the field as if typed (through this filter again).
    if (isKeypadFullStop(key) && takesDecimalComma(filter_)) {
        QKeyEvent comma(QEvent::KeyPress, Qt::Key_Comma, key->modifiers(), QStringLiteral(","), key->isAutoRepeat(),
                        static_cast<quint16>(key->count()));
        QCoreApplication::sendEvent(watched, &comma);
        return true;
    }
    if (!refuses(key))
        return QObject::eventFilter(watched, event);
    // A full stop is refused, as ever, but not silently where a comma would do.
    if (key->text() == u".")
        hintComma(watched);
    if (onRefused_)
        onRefused_();
    return true;
}

void installKeyFilter(QLineEdit* edit, KeyFilter filter, std::function<void()> onRefused)
{
    edit->installEventFilter(new KeyFilterObject(filter, edit, std::move(onRefused)));
}

} // namespace noktaris
