// Group " Zadání hlavních parametrů " of the basic-mode window: the telescope and
// eyepiece inputs and the ten visual results that follow from them.
#pragma once

#include "common/numbers.h"

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

    // The ten results from the four fields: fallback texts first, then three
    // guarded blocks (focal ratio, magnification, limiting magnitudes; resolving
    // power, useful magnifications, lunar detail; exit pupil, true field).
    void computeResults(const Real& k1, const Real& k2);
    // A negative field among D, F, f, u (before any unreadable one) sets every
    // result back to its fallback text.
    void signCheck();
    void resetResults();

    QLabel* DalekohledLabel;
    PickList* Dalekohled;
    QLabel* OkularLabel;
    PickList* Okular;

    QLineEdit* DdalEdit;
    QLineEdit* FdalEdit;
    QLineEdit* FokEdit;
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
