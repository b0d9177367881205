// "Rozměry obrazů na negativu": the size of a sky object's image on the film
// through a lens or telescope and afocally, and the star trail of a camera that
// does not follow the sky.
#pragma once

#include "catalogue/pick_lists.h"
#include "common/handover.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace noktaris {

class PickList;
class TrailGroup;

class TForm13 : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TForm13(QWidget* parent = nullptr);

    void RozmerEditChange();
    void Edit2Change();
    void ObjektChange();
    void ComboBox1Change();
    void DalekohledChange();
    void FormShow() override;
    void BitBtn1Click();

    // Through a lens or telescope.
    QGroupBox* GroupBox4;
    QLabel* Label9;
    QLineEdit* RozmerEdit;
    PickList* Objekt;
    QLabel* Label12;
    QLineEdit* FfotEdit3;
    QLabel* rozmer;
    // Afocally.
    QGroupBox* GroupBox1;
    QLabel* Label7;
    QLineEdit* Edit2;
    PickList* ComboBox1;
    QLabel* Label13;
    QLineEdit* fdaledit;
    PickList* Dalekohled;
    QLabel* Label8;
    QLineEdit* ffotedit;
    QLabel* Label11;
    QLineEdit* fokedit;
    QLabel* rozmer1;

    TrailGroup* GroupBox3;
    QPushButton* BitBtn1;

    // The catalogue pick lists and the fields each fills.
    PickLists pickLists_;
};

} // namespace noktaris
