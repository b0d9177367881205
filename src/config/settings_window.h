// "Nastavení ...": the settings of config.ini. The primary mode and whether the
// last mode is remembered, the calculator program, the update check at start and
// the three constants of the basic mode with their presets. Saving checks the
// entries, asks, rewrites the whole file, switches to the primary mode and lets
// the basic-mode window compute with the new constants.
#pragma once

#include "common/handover.h"

#include <functional>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace noktaris {

class PickList;

// What a save asks of the main windows, which lie above this layer.
struct SettingsHooks {
    // Whether the basic-mode window is the one shown.
    std::function<bool()> basicModeInUse;
    // The switch to the primary mode chosen (true: the extended mode).
    std::function<void(bool extended)> switchMode;
    // The basic-mode window's results computed again with the new constants.
    std::function<void()> recomputeBasicWindow;
};

class TForm15 : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TForm15(SettingsHooks hooks, QWidget* parent = nullptr);

    // Loads the fields from config.ini.
    void FormShow() override;
    void CheckBox1Click();
    void Edit2Change();
    void ComboBox2Change();
    void Edit4Change();
    void ComboBox3Change();
    // "Původní nastavení": the default constants in the fields, nothing saved.
    void Button2Click();
    // "Procházet...": a program chosen in a file dialog.
    void Button1Click();
    // "Zjisti": the calculator finder.
    void Button3Click();
    void Label4Click();
    void BitBtn1Click();
    void BitBtn2Click();

    QLabel* Label2;
    PickList* ComboBox1;
    QCheckBox* CheckBox1;
    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* Button1;
    QPushButton* Button3;
    QCheckBox* CheckBox2;
    QGroupBox* GroupBox1;
    QLabel* Label4;
    QLabel* Label3;
    QLineEdit* Edit2;
    PickList* ComboBox2;
    QLabel* Label6;
    QLineEdit* Edit3;
    QLabel* Label5;
    QLineEdit* Edit4;
    PickList* ComboBox3;
    QPushButton* Button2;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

private:
    void buildModeAndCalculatorRows();
    void buildConstantsGroup();
    void connectHandlers();
    // The checks of a save, in order; false after the warning with the focus in
    // the field concerned.
    bool entriesValid();

    SettingsHooks hooks_;
    // The calculator path as loaded from the file; nothing when it could not be read.
    std::optional<QString> loadedCalculator_;
};

// The dialog of "Procházet...": programs only. Linux marks them with the
// executable bit, not with a name ending, so the dialog filters on that bit.
QString chooseProgram(QWidget* parent, const QString& start);

} // namespace noktaris
