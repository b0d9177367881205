// Basic-mode group " Výpočet expozičního času ": the exposure time of a sky object
// through a camera lens, a telescope at prime focus or an afocal set-up.
#pragma once

#include "common/numbers.h"
#include "common/widgets.h"

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;

namespace noktaris {

class ExposureGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit ExposureGroup(QWidget* parent);

    // Shows the entry fields and labels the set-up of the given tab needs.
    void showTabFields(int tab);
    // The telescope fields of the main group, which the telescope tabs work through.
    void setTelescopeFields(const QLineEdit* aperture, const QLineEdit* focalLength, const QLineEdit* eyepiece);
    // Writes the telescope in use into Info on the telescope tabs.
    void showTelescope(const QString& eyepiece);
    // Shows the new tab's fields and telescope, and recomputes with its formula.
    void TabControl1Change();
    // The exposure of the selected set-up, then the negative-input test.
    void JasEditChange();

    QTabBar* TabControl1;
    QLabel* Jas;
    QLineEdit* JasEdit;
    PickList* Jasnosti;
    QLabel* ASA;
    QLineEdit* ASAEdit;
    QLabel* clona;
    QLineEdit* ClonaEdit;
    QLabel* Info;
    QLabel* Fok2;
    QLineEdit* FokEdit2;
    QLabel* Ffot;
    QLineEdit* FfotEdit;
    QLabel* Svet;
    QLabel* Exp;
    QLabel* Dopor;
    QPushButton* BitBtn3;

private:
    void compute(int tab);
    void showExposure(const Real& seconds);
    void negativeInputTest(int tab);
    // The result labels back to their bare captions.
    void resetResults(int tab);

    const QLineEdit* aperture_ = nullptr;
    const QLineEdit* focalLength_ = nullptr;
    const QLineEdit* eyepiece_ = nullptr;
};

} // namespace noktaris
