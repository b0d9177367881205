// Basic-mode group " Maximální délka expozice pro bodové zobrazení ": the longest
// exposure of an unguided camera for which a star still looks like a point.
#pragma once

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;

namespace noktaris {

class PointExposureGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit PointExposureGroup(QWidget* parent);

    // The longest exposure that keeps a star a point, with k3 from config.ini.
    void D4Change();

    QLineEdit* D4;
    QLineEdit* D5;
    QLineEdit* D6;
    QLabel* Label26;
    QLineEdit* F;
    QLabel* Label31;
    QPushButton* BitBtn2;
};

} // namespace noktaris
