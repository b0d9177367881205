#include "common/pick_list.h"

#include "common/collation.h"
#include "common/style.h"

#include <QStringListModel>

namespace noktaris {

// A catalogue may hold many thousands of names: a plain list of strings as the
// model costs a fraction of an item object per entry.
PickList::PickList(QWidget* parent, bool sorted)
    : QComboBox(parent), sorted_(sorted), names_(new QStringListModel(this))
{
    setEditable(false);
    setMaxVisibleItems(16);
    setModel(names_);
}

void PickList::setNames(QStringList names)
{
    if (sorted_)
        sortNames(names);
    const QSignalBlocker blocker(this);
    const bool empty = names.isEmpty();
    names_->setStringList(names);
    setCurrentIndex(empty ? -1 : 0);
}

void PickList::showPopup()
{
    emit droppedDown();
    QComboBox::showPopup();
}

PickList* addPickList(QWidget* parent, const QString& name, const QRect& geometry, const QString& hint, bool sorted)
{
    auto* list = new PickList(parent, sorted);
    list->setObjectName(name);
    list->setGeometry(geometry);
    setLook(list, Qt::black, false);
    if (!hint.isEmpty())
        list->setToolTip(hint);
    return list;
}

} // namespace noktaris
