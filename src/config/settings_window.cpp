#include "config/settings_window.h"

#include "common/code_page.h"
#include "common/file_read.h"
#include "common/messages.h"
#include "common/numbers.h"
#include "common/paths.h"
#include "common/safe_write.h"
#include "common/widgets.h"
#include "config/config_file.h"
#include "platform/links.h"
#include "platform/platform.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>

namespace noktaris {

namespace {

constexpr QSize kWindowSize(460, 398);

template <std::size_t N>
QStringList presetEntries(const Preset (&presets)[N])
{
    QStringList entries;
    for (const Preset& preset : presets)
        entries << QString::fromUtf8(preset.entry);
    return entries << QString::fromUtf8(kOwnValueEntry);
}

// The field's text selects the entry that stands for it, else "Vlastní hodnota".
template <std::size_t N>
void followField(const QLineEdit* field, PickList* list, const Preset (&presets)[N])
{
    int index = int(N);
    for (std::size_t i = 0; i < N; ++i)
        if (field->text() == QString::fromUtf8(presets[i].text))
            index = int(i);
    list->setCurrentIndex(index);
}

// A preset entry writes its text into the field (whose change then selects the
// entry again); "Vlastní hodnota" hands the field the focus.
template <std::size_t N>
void followList(const PickList* list, QLineEdit* field, const Preset (&presets)[N])
{
    const int index = list->currentIndex();
    if (index >= 0 && index < int(N))
        field->setText(QString::fromUtf8(presets[index].text));
    else
        field->setFocus();
}

QCheckBox* addCheckBox(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    return box;
}

QLabel* addBoldLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry)
{
    QLabel* label = addLabel(parent, name, text, geometry);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// Folders, and files that may be run.
class ProgramsOnly : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files)
            return true;
        const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
        return info.isDir() || (info.isFile() && info.isExecutable());
    }
};

} // namespace

QString chooseProgram(QWidget* parent, const QString& start)
{
    QFileDialog dialog(parent, QStringLiteral("Otevřít"), QFileInfo(start).absolutePath());
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(QStringLiteral("Spustitelné soubory (*)"));
    dialog.setProxyModel(new ProgramsOnly(&dialog));
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return QFileInfo(dialog.selectedFiles().first()).absoluteFilePath();
}

TForm15::TForm15(SettingsHooks hooks, QWidget* parent)
    : SecondaryWindow(QStringLiteral("TForm15"), QStringLiteral("Nastavení ..."), kWindowSize, parent),
      hooks_(std::move(hooks))
{
    buildModeAndCalculatorRows();
    buildConstantsGroup();
    const int y = kWindowSize.height() - 8 - 28;
    BitBtn1 = addPictureButton(this, QStringLiteral("BitBtn1"), QStringLiteral("Uložit"), QRect(260, y, 90, 28),
                               QStyle::SP_DialogSaveButton);
    BitBtn2 = addCloseButton(this, QStringLiteral("Storno"), QRect(358, y, 90, 28), true, QStringLiteral("BitBtn2"));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));

    QWidget* const order[] = {ComboBox1, CheckBox1, Edit1,   Button1, Edit2,   ComboBox2, Edit3,
                              Edit4,     ComboBox3, Button2, BitBtn1, BitBtn2, Button3,   CheckBox2};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    connectHandlers();
    Edit2Change();
    Edit4Change();
}

void TForm15::buildModeAndCalculatorRows()
{
    Label2 = addBoldLabel(this, QStringLiteral("Label2"), QStringLiteral("Primární režim:"), QRect(12, 15, 120, 16));
    ComboBox1 = addPickList(this, QStringLiteral("ComboBox1"), QRect(136, 12, 150, 22), QString(), false);
    ComboBox1->setNames({QStringLiteral("Základní"), QStringLiteral("Rozšířený")});
    CheckBox1 = addCheckBox(this, QStringLiteral("CheckBox1"),
                            QStringLiteral("Pamatovat si naposledy používaný režim pro příští spuštění"),
                            QRect(12, 42, 436, 18));

    Label1 =
        addBoldLabel(this, QStringLiteral("Label1"), QStringLiteral("Umístění kalkulačky:"), QRect(12, 72, 200, 16));
    Edit1 =
        addEdit(this, QStringLiteral("Edit1"), QRect(12, 90, 264, kEditHeight), QStringLiteral("C:\\"), std::nullopt);
    Button1 = addButton(this, QStringLiteral("Button1"), QStringLiteral("Procházet..."), QRect(282, 89, 86, 23));
    Button3 = addButton(this, QStringLiteral("Button3"), QStringLiteral("Zjisti"), QRect(374, 89, 74, 23));
    CheckBox2 = addCheckBox(this, QStringLiteral("CheckBox2"), QStringLiteral("Při spuštění kontrolovat aktualizace"),
                            QRect(12, 120, 436, 18));
}

void TForm15::buildConstantsGroup()
{
    GroupBox1 = addGroup(this, QStringLiteral("GroupBox1"), QStringLiteral(" Nastavení konstant pro základní režim "),
                         QRect(12, 148, 436, 200));
    Label4 = addLabel(GroupBox1, QStringLiteral("Label4"),
                      QStringLiteral("Význam jednotlivých kostant viz manuál: Popis - Nastavení ..."),
                      QRect(10, 22, 416, 18));
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setAutoFillBackground(true);
    {
        QPalette palette = Label4->palette();
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::WindowText, Qt::red);
        Label4->setPalette(palette);
    }
    Label4->setCursor(Qt::PointingHandCursor);

    // The constants: caption, field, and the preset list beside k1 and k3.
    RowLayout constants(GroupBox1, 10, 292, 64);
    RowLayout presets(GroupBox1, 10, 426, 64);
    Edit2 = constants.field(54, QStringLiteral("Edit2"), QStringLiteral("Label3"),
                            QStringLiteral("Maximální použ. zvětšení dalekohledu:"), KeyFilter::Decimal, QString(), 1,
                            &Label3);
    ComboBox2 = presets.pickList(54, QStringLiteral("ComboBox2"), QString(), false, 298);
    ComboBox2->setNames(presetEntries(kMagnificationPresets));
    Edit3 = constants.field(88, QStringLiteral("Edit3"), QStringLiteral("Label6"),
                            QStringLiteral("Teoretická mezní magnituda:"), KeyFilter::Decimal, QString(), 1, &Label6);
    Edit4 = constants.field(122, QStringLiteral("Edit4"), QStringLiteral("Label5"),
                            QStringLiteral("Maximální expozice pro bodové zobrazení:"), KeyFilter::Decimal, QString(),
                            1, &Label5);
    ComboBox3 = presets.pickList(122, QStringLiteral("ComboBox3"), QString(), false, 298);
    ComboBox3->setNames(presetEntries(kPointExposurePresets));
    Button2 =
        addButton(GroupBox1, QStringLiteral("Button2"), QStringLiteral("Původní nastavení"), QRect(10, 162, 130, 25));
    finishGroup(GroupBox1);
}

void TForm15::connectHandlers()
{
    connect(CheckBox1, &QCheckBox::toggled, this, &TForm15::CheckBox1Click);
    connect(Edit2, &QLineEdit::textChanged, this, &TForm15::Edit2Change);
    connect(Edit4, &QLineEdit::textChanged, this, &TForm15::Edit4Change);
    connect(ComboBox2, &QComboBox::activated, this, &TForm15::ComboBox2Change);
    connect(ComboBox3, &QComboBox::activated, this, &TForm15::ComboBox3Change);
    connect(Button1, &QPushButton::clicked, this, &TForm15::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm15::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm15::Button3Click);
    onLabelClick(Label4, [this] { Label4Click(); });
    connect(BitBtn1, &QPushButton::clicked, this, &TForm15::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm15::BitBtn2Click);
}

void TForm15::FormShow()
{
    ComboBox1->setFocus();
    loadedCalculator_.reset();
    const SettingsLines lines = readSettingsLines();

    // Only the mode line has a message of its own; a later line that cannot be
    // read ends the loading with the general report, the rest as it was.
    if (lines.mode)
        ComboBox1->setCurrentIndex(lastCharacterIsOne(*lines.mode) ? 0 : 1);
    else
        showMessage(kConfigErrorMessage);
    const auto failed = [](const FileResult<QString>& line) { showErrorReport(line.error().message); };

    if (!lines.remember)
        return failed(lines.remember);
    CheckBox1->setChecked(lastCharacterIsOne(*lines.remember));
    CheckBox1Click();

    if (!lines.calculator)
        return failed(lines.calculator);
    Edit1->setText(calculatorPath(*lines.calculator));
    loadedCalculator_ = Edit1->text();

    const std::pair<const FileResult<QString>*, QLineEdit*> constants[] = {
        {&lines.k1, Edit2}, {&lines.k2, Edit3}, {&lines.k3, Edit4}};
    for (const auto& [line, field] : constants) {
        if (!*line)
            return failed(*line);
        field->setText(constantText(**line));
    }
    if (!lines.update)
        return failed(lines.update);
    CheckBox2->setChecked(updateCheckBoxOn(*lines.update));
}

void TForm15::CheckBox1Click()
{
    const bool remembered = CheckBox1->isChecked();
    ComboBox1->setEnabled(!remembered);
    Label2->setEnabled(!remembered);
}

void TForm15::Edit2Change() { followField(Edit2, ComboBox2, kMagnificationPresets); }
void TForm15::ComboBox2Change() { followList(ComboBox2, Edit2, kMagnificationPresets); }
void TForm15::Edit4Change() { followField(Edit4, ComboBox3, kPointExposurePresets); }
void TForm15::ComboBox3Change() { followList(ComboBox3, Edit4, kPointExposurePresets); }

void TForm15::Button2Click()
{
    Edit2->setText(QStringLiteral("1,5873"));
    Edit3->setText(QStringLiteral("2,7"));
    Edit4->setText(QStringLiteral("1000"));
}

void TForm15::Button1Click()
{
    const QString chosen = chooseProgram(this, Edit1->text());
    if (!chosen.isEmpty())
        Edit1->setText(chosen);
}

void TForm15::Button3Click()
{
    const auto found = findCalculator(platform().calculatorFolders());
    if (!found) {
        showMessage(QStringLiteral("Umístění kalkulačky se nepodařilo zjistit."));
        return;
    }
    Edit1->setText(*found);
    showMessage(QStringLiteral("Cesta byla úspěšně nalezena a nastavena: ") + Edit1->text());
}

void TForm15::Label4Click() { openHelpPage(QStringLiteral("html/popis.html")); }

bool TForm15::entriesValid()
{
    const auto refuse = [](const QString& text, QWidget* field) {
        showWarning(text);
        field->setFocus();
        return false;
    };
    // Pasted text gets past the key filter: a constant holds digits and commas only.
    for (QLineEdit* field : {Edit2, Edit3, Edit4}) {
        if (!isTypedDecimal(field->text()))
            return refuse(QStringLiteral("Špatně zadaná hodnota konstanty!"), field);
        if (toNumber(field->text()) == 0)
            return refuse(QStringLiteral("Hodnota konstanty musí být nenulová!"), field);
    }
    // The calculator does not hold the other settings hostage: an empty path means
    // no calculator, and the path the file holds is kept even where that program
    // is not installed (the calculator buttons say so). A path typed or chosen
    // here must name a file.
    const QString path = Edit1->text();
    if (!path.isEmpty() && path != loadedCalculator_ && !QFileInfo(path).isFile())
        return refuse(QStringLiteral("Zadaná cesta je neplatná!"), Edit1);
    if (const auto c = unstorableCharacter(path))
        return refuse(QStringLiteral("Cestu ke kalkulačce nelze uložit: znak „") + *c
                          + QStringLiteral("“ nemá v souboru config.ini (kódování Windows-1250) své místo."),
                      Edit1);
    return true;
}

void TForm15::BitBtn1Click()
{
    for (QLineEdit* field : {Edit2, Edit3, Edit4})
        if (field->text().startsWith(u','))
            field->setText(withLeadingZero(field->text()));
    if (!entriesValid() || !confirm(QStringLiteral("Uložit nastavení?")))
        return;

    const auto fileModeLine = modeLine();
    if (!fileModeLine)
        showMessage(kConfigErrorMessage);
    const bool primaryChosen = ComboBox1->isEnabled();
    AppConfig config;
    config.rememberMode = !primaryChosen;
    if (primaryChosen)
        config.modeLine = modeLineFor(ComboBox1->currentIndex() == 0);
    else
        // Remembering keeps the file's mode line; one that cannot be read is
        // replaced by the mode in use, which is what remembering would write.
        config.modeLine = fileModeLine ? *fileModeLine : modeLineFor(hooks_.basicModeInUse());
    config.calculator = Edit1->text();
    config.k1 = Edit2->text();
    config.k2 = Edit3->text();
    config.k3 = Edit4->text();
    config.updateCheck = CheckBox2->isChecked();
    if (const FileResult<> saved = writeConfig(config); !saved) {
        // The old file is whole; the window stays open with the settings typed.
        showMessage(saveFailedMessage(kConfigFile, saved.error()));
        return;
    }

    setMainWindowsEnabled(true);
    if (primaryChosen)
        hooks_.switchMode(ComboBox1->currentIndex() == 1);
    hooks_.recomputeBasicWindow();
    close();
}

void TForm15::BitBtn2Click() { close(); }

} // namespace noktaris
