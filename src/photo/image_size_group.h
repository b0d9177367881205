// Basic-mode group " Rozměr obrazu objektu na negativu pořízeném ": the size of a
// sky object's image on the film, taken with a camera lens, a telescope or afocally.
#pragma once

#include "common/widgets.h"

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;

namespace noktaris {

class ImageSizeGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit ImageSizeGroup(QWidget* parent);

    // Shows the entry fields and labels the set-up of the given tab needs.
    void showTabFields(int tab);
    // The telescope fields of the main group, which the telescope tabs work through,
    // and the eyepiece they show.
    void setTelescopeFields(const QLineEdit* aperture, const QLineEdit* focalLength, const QLineEdit* eyepiece);
    // Writes the telescope in use into info2 on the telescope tabs.
    void showTelescope();
    void TabControl2Change();
    // The size of the selected set-up, then the negative-input test.
    void RozmerEditChange();

    QTabBar* TabControl2;
    QLabel* Label9;
    QLineEdit* RozmerEdit;
    PickList* Objekt;
    QLabel* info2;
    QLabel* Label12;
    QLineEdit* FfotEdit3;
    QLabel* Label29;
    QLineEdit* ffokedit3;
    QLabel* Rozmer;
    QPushButton* BitBtn4;

private:
    // Three decimals of a millimetre.
    static constexpr int kScale = 1000;

    const QLineEdit* aperture_ = nullptr;
    const QLineEdit* focalLength_ = nullptr;
    const QLineEdit* eyepiece_ = nullptr;
};

} // namespace noktaris
