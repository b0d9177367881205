#include "planning/camera_catalogue.h"

#include "common/keyfilter.h"
#include "common/messages.h"
#include "common/numbers.h"
#include "common/pick_list.h"
#include "common/safe_write.h"

#include <QLineEdit>

namespace noktaris {

namespace {

const QString& cameraFile() { return catalogueInfo(CatalogueKind::Cameras).file; }

void clearFields(const PickListBinding& binding)
{
    for (QLineEdit* field : binding.fields)
        if (field)
            field->clear();
}

// A value a field may show: a number as typed, or nothing.
bool fitsField(const QString& value) { return value.isEmpty() || isTypedDecimal(value); }

} // namespace

void letTypeCameraName(PickList* cameraList)
{
    cameraList->setEditable(true);
    cameraList->setInsertPolicy(QComboBox::NoInsert);
    cameraList->lineEdit()->setObjectName(cameraList->objectName() + QStringLiteral("Name"));
    installKeyFilter(cameraList->lineEdit(), KeyFilter::Name);
    cameraList->setToolTip(QStringLiteral("Vyberte kameru, nebo napište název, pod kterým ji uložit"));
}

QString readFailedMessage(const QString& fileName, const FileError& error)
{
    QString reason = QStringLiteral("chyba čtení");
    if (error.message == QStringLiteral("File not found"))
        reason = QStringLiteral("soubor neexistuje");
    else if (error.message == QStringLiteral("Path not found"))
        reason = QStringLiteral("složka neexistuje");
    else if (error.message == QStringLiteral("Access denied"))
        reason = QStringLiteral("přístup byl odepřen");
    return QStringLiteral("Soubor ") + fileName + QStringLiteral(" nelze přečíst (") + reason + QStringLiteral(").");
}

std::optional<QStringList> applyPlanningList(const PickListBinding& binding)
{
    clearFields(binding);
    if (binding.list->currentText().isEmpty())
        return std::nullopt;
    const auto values = findRecord(binding.kind, binding.list->currentText());
    if (!values) {
        showMessage(readFailedMessage(catalogueInfo(binding.kind).file, values.error()));
        return std::nullopt;
    }
    if (!*values)
        return std::nullopt;
    const QStringList& record = **values;
    // Every value is checked, also those the window does not show (the colour flag).
    for (const QString& value : record)
        if (!fitsField(value)) {
            showMessage(catalogueInfo(binding.kind).lookupMessage);
            return std::nullopt;
        }
    for (qsizetype i = 0; i < binding.fields.size(); ++i)
        if (binding.fields[i])
            binding.fields[i]->setText(record.value(i));
    return record;
}

std::optional<QStringList> refillPlanningList(const PickListBinding& binding)
{
    const FileResult<QStringList> names = listNames(binding.kind);
    binding.list->setNames(names ? *names : QStringList());
    if (!names) {
        binding.list->setEditText(QString());
        clearFields(binding);
        showMessage(readFailedMessage(catalogueInfo(binding.kind).file, names.error()));
        return std::nullopt;
    }
    return applyPlanningList(binding);
}

void refillPlanningLists(const QList<PickListBinding>& table)
{
    for (const PickListBinding& binding : table)
        refillPlanningList(binding);
}

namespace {

// What stands between the typed name and a save: no name, a character the file
// cannot hold, or a value that is not a number.
std::optional<QString> saveProblem(const QString& name, const CameraValues& values)
{
    if (name.isEmpty())
        return QStringLiteral("Zadejte název kamery do seznamu kamer.");
    if (auto problem = nameProblem(name))
        return problem;
    for (const std::optional<QString>& value : values)
        if (value && !isTypedDecimal(*value))
            return QStringLiteral("Hodnoty kamery musí být čísla; kamera nebyla uložena.");
    return std::nullopt;
}

// A rewrite that failed, or the reading before it.
void tellFailure(const FileError& error)
{
    showMessage(error.writeFailed() ? saveFailedMessage(cameraFile(), error) : readFailedMessage(cameraFile(), error));
}

} // namespace

bool saveCamera(const PickListBinding& cameras, const CameraValues& values)
{
    const QString name = cameras.list->currentText();
    if (const auto problem = saveProblem(name, values)) {
        showMessage(*problem);
        return false;
    }
    const auto existing = findRecord(CatalogueKind::Cameras, name);
    if (!existing) {
        tellFailure(existing.error());
        return false;
    }
    const bool replacing = existing->has_value();
    if (!confirm(replacing
                     ? QStringLiteral("Kamera „%1“ už v databázi je. Nahradit její hodnoty hodnotami z okna?").arg(name)
                     : QStringLiteral("Uložit kameru „%1“ do databáze kamer?").arg(name)))
        return false;
    CatalogueRecord record{name, {}};
    const QStringList old = replacing ? **existing : QStringList();
    for (qsizetype i = 0; i < catalogueInfo(CatalogueKind::Cameras).keys.size(); ++i)
        record.values << values.value(i).value_or(old.value(i));
    const FileResult<> saved =
        replacing ? replaceRecord(CatalogueKind::Cameras, name, record) : appendRecord(CatalogueKind::Cameras, record);
    if (!saved) {
        tellFailure(saved.error());
        return false;
    }
    const FileResult<QStringList> names = listNames(CatalogueKind::Cameras);
    cameras.list->setNames(names ? *names : QStringList());
    cameras.list->setCurrentText(name);
    return true;
}

bool deleteCamera(const PickListBinding& cameras)
{
    const QString name = cameras.list->currentText();
    const auto existing = findRecord(CatalogueKind::Cameras, name);
    if (!existing) {
        tellFailure(existing.error());
        return false;
    }
    if (name.isEmpty() || !existing->has_value()) {
        showMessage(QStringLiteral("Kamera „%1“ v databázi kamer není.").arg(name));
        return false;
    }
    if (!confirm(QStringLiteral("Smazat kameru „%1“ z databáze kamer?").arg(name)))
        return false;
    const FileResult<> removed = removeRecord(CatalogueKind::Cameras, name);
    if (!removed) {
        tellFailure(removed.error());
        return false;
    }
    return true;
}

} // namespace noktaris
