// "Noktaris 1.4 (rozšířený režim)": the extended-mode hub, a small window with a
// button for each calculation window, the mode switch, the catalogue editor, the
// help and the about box.
#pragma once

#include "app/main_window.h"

class QPushButton;

namespace noktaris {

class TForm4 : public MainWindowBase {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

    QPushButton* BitBtn2;
    QPushButton* BitBtn4;
    QPushButton* BitBtn3;
    QPushButton* BitBtn15;
    QPushButton* BitBtn7;
    QPushButton* BitBtn9;
    QPushButton* BitBtn14;
    QPushButton* BitBtn8;
    QPushButton* BitBtn6;
    QPushButton* BitBtn5;
    QPushButton* BitBtn16;
    QPushButton* BitBtn17;
    QPushButton* BitBtn18;
    QPushButton* BitBtn19;
    QPushButton* BitBtn1;
    // Below the three columns: the planning windows.
    QPushButton* samplingButton;
    QPushButton* skyButton;

    void FormShow();

private:
    void addPlanningButtons(int width);

protected:
    void showEvent(QShowEvent* event) override;
    // Closing the hub closes the basic-mode window, which ends the program.
    void closeEvent(QCloseEvent* event) override;
};

} // namespace noktaris
