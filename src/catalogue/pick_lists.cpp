#include "catalogue/pick_lists.h"

#include "common/messages.h"
#include "common/widgets.h"

#include <QLineEdit>

#include <algorithm>

namespace noktaris {

FileResult<> PickLists::refill() const
{
    for (const PickListBinding& b : table_) {
        const FileResult<QStringList> names = listNames(b.kind);
        if (!names)
            return names.error();
        b.list->setNames(*names);
    }
    return {};
}

FileResult<CatalogueKind> PickLists::apply(const PickList* list) const
{
    const auto b =
        std::find_if(table_.cbegin(), table_.cend(), [&](const PickListBinding& e) { return e.list == list; });
    for (QLineEdit* field : b->fields)
        if (field)
            field->clear();
    const FileResult<std::optional<QStringList>> values = findRecord(b->kind, list->currentText());
    if (!values)
        return {values.error(), b->kind};
    if (*values)
        for (qsizetype i = 0; i < b->fields.size() && i < (*values)->size(); ++i)
            if (b->fields[i])
                b->fields[i]->setText((*values)->at(i));
    return b->kind;
}

QList<FileResult<CatalogueKind>> PickLists::applyAll() const
{
    QList<FileResult<CatalogueKind>> results;
    for (const PickListBinding& b : table_)
        results << apply(b.list);
    return results;
}

void reportFilling(const FileResult<>& filled)
{
    if (!filled)
        showErrorReport(filled.error().message);
}

void reportLookup(const FileResult<CatalogueKind>& lookedUp)
{
    if (!lookedUp)
        showMessage(catalogueInfo(*lookedUp).lookupMessage);
}

bool refillAndApply(const PickLists& lists)
{
    const FileResult<> filled = lists.refill();
    reportFilling(filled);
    if (!filled)
        return false;
    for (const FileResult<CatalogueKind>& lookedUp : lists.applyAll())
        reportLookup(lookedUp);
    return true;
}

} // namespace noktaris
