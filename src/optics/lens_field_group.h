// Group " Zorné pole objektivu fotoaparátu " of the basic-mode window: the field of
// view of a camera lens over a film frame.
#pragma once

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;

namespace noktaris {

class PickList;

// The field of view of a frame behind a lens, written into the label: its caption
// first, then the two angles; with signCheck a negative input puts the caption back.
void showFrameField(QLabel* label, const QLineEdit* width, const QLineEdit* height, const QLineEdit* focalLength,
                    bool signCheck);

class LensFieldGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit LensFieldGroup(QWidget* parent);

    // The field of view of the lens over the frame.
    void FF1Change();

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
