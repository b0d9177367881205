// Group " Zadání hlavních parametrů " of the basic-mode window: the telescope and
// eyepiece inputs and the ten visual results that follow from them.
#pragma once

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;

namespace noktaris {

class PickList;

class TelescopeGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TelescopeGroup(QWidget* parent);

    // Writes "0" into the four entry fields; each write recomputes the group.
    void BitBtn9Click();

    QLabel* DalekohledLabel;
    PickList* Dalekohled;
    QLabel* OkularLabel;
    PickList* Okular;

    QLabel* DdalLabel;
    QLineEdit* DdalEdit;
    QLabel* FdalLabel;
    QLineEdit* FdalEdit;
    QLabel* FokLabel;
    QLineEdit* FokEdit;
    QLabel* UhelLabel;
    QLineEdit* UhelEdit;

    QLabel* Svetelnost;
    QLabel* Zvetseni;
    QLabel* Max;
    QLabel* ZP;
    QPushButton* SpeedButton1;
    QLabel* VP;
    QLabel* Maxroz;
    QLabel* Minroz;
    QLabel* Pmag;
    QLabel* Tmag;
    QLabel* Mesic;

    QPushButton* BitBtn9;
};

} // namespace noktaris
