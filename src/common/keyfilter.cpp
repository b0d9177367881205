#include "common/keyfilter.h"

#include <QKeyEvent>
#include <QLineEdit>

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

bool KeyFilterObject::refuses(const QKeyEvent* key) const
{
    if (key->key() == Qt::Key_Backspace)
        return false;
    // Focus movement is the dialog's business, not a character.
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
        return false;
    const QString text = key->text();
    if (filter_ == KeyFilter::Name)
        return text == u"#" || text == u"$";
    const bool control = key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (text.isEmpty()) {
        // Keys that type nothing (arrows, Home, Delete, Shift) pass, but not the
        // clipboard and undo combinations, which type control characters.
        return control && key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z;
    }
    if (text.size() != 1)
        return true;
    const QChar c = text[0];
    if (c.unicode() < 32 || c.unicode() == 127 || control)
        return c.unicode() != 8;
    return !acceptsCharacter(filter_, c);
}

bool KeyFilterObject::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (refuses(key)) {
            if (event->type() == QEvent::KeyPress && onRefused_)
                onRefused_();
            // A refused shortcut override lets the key reach KeyPress, where it is dropped.
            if (event->type() == QEvent::KeyPress)
                return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void installKeyFilter(QLineEdit* edit, KeyFilter filter, std::function<void()> onRefused)
{
    edit->installEventFilter(new KeyFilterObject(filter, edit, std::move(onRefused)));
}

} // namespace noktaris
