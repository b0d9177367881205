#include "catalogue/pick_lists.h"

#include "common/messages.h"
#include "common/widgets.h"

#include <QLineEdit>

namespace noktaris {

bool fillPickLists(const QList<std::pair<PickList*, CatalogueKind>>& lists)
{
    for (const auto& [list, kind] : lists) {
        FileError error;
        const auto names = listNames(kind, &error);
        if (!names) {
            showErrorReport(error.message);
            return false;
        }
        list->setNames(*names);
    }
    return true;
}

void fillFromRecord(const PickList* list, CatalogueKind kind, const QList<QLineEdit*>& fields)
{
    for (QLineEdit* field : fields)
        if (field)
            field->clear();
    bool readFailed = false;
    const auto values = findRecord(kind, list->currentText(), &readFailed);
    if (readFailed)
        showMessage(catalogueInfo(kind).lookupMessage);
    if (!values)
        return;
    for (qsizetype i = 0; i < fields.size() && i < values->size(); ++i)
        if (fields[i])
            fields[i]->setText(values->at(i));
}

} // namespace noktaris
