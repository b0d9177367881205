// Group " Zorné pole objektivu fotoaparátu " of the basic-mode window: the field of
// view of a camera lens over a film frame.
#pragma once

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;

namespace noktaris {

class PickList;

class LensFieldGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit LensFieldGroup(QWidget* parent);


    QLabel* FormatLabel;
    QLineEdit* FF1;
    QLabel* FormatTimesLabel;
    QLineEdit* FF2;
    PickList* Film;
    QLabel* FfotLabel;
    QLineEdit* FfotEdit4;

    QLabel* ZorPole;
    QPushButton* SpeedButton2;
    QPushButton* BitBtn6;
};

} // namespace noktaris
