// "Grafy": one of three dependences between telescope quantities drawn as a
// curve over a chosen range, with the value under the pointer read out and the
// picture saved as a bitmap.
#pragma once

#include "common/handover.h"
#include "graphs/graph_math.h"

#include <QImage>
#include <QSize>

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace noktaris {

// The panel of the graph, as shown and as saved (pixels).
inline constexpr QSize kGraphPanelSize(450, 329);

class GraphPicture;
class PickList;
class SpinField;

class TForm12 : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TForm12(QWidget* parent = nullptr);

    void FormShow() override;
    void ComboBox1Change();
    void Button1Click();
    // A key the five fields do not type: redraws as "Překresli" does.
    void Edit1KeyPress();
    void Image1MouseMove(QPoint position);
    void BitBtn2Click();
    void BitBtn1Click();

    // The panel as it is saved: its picture with the frame and the credit line.
    QImage panelPicture();
    // Writes the panel's picture as a bitmap file; false after a failure, which
    // has been reported.
    bool savePicture(const QString& path);

    QFrame* Panel1;
    QLabel* Label2; // the title
    GraphPicture* Image1;
    std::array<QLabel*, 11> yLabels; // Label3 (top) ... Label13 (bottom)
    std::array<QLabel*, 11> xLabels; // Label14 (left) ... Label24 (right)
    QLabel* Label27;
    QLabel* Label28;
    QLabel* Label29;
    QLabel* osax;
    QLabel* Label30;
    QLabel* osay;
    QLabel* Label1;
    PickList* ComboBox1;
    QLabel* Label25;
    QRadioButton* Checkbox1;
    QRadioButton* Checkbox2;
    QLineEdit* Edit1;
    QLabel* Label26;
    QLineEdit* Edit2;
    QLabel* Label34;
    QLabel* Label32;
    SpinField* SpinEdit1;
    QLabel* Label33;
    SpinField* SpinEdit2;
    QLabel* Label35;
    QLabel* Label31;
    QLineEdit* Edit3;
    QToolButton* SpeedButton1;
    QPushButton* Button1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn1;

private:
    void buildPanel();
    void buildRangeRows();
    void buildButtons();
    void fillControls(const graphs::Definition& d);
    void clearControls();
    graphs::Range range() const;
    graphs::AxisTexts labelTexts() const;
    void showLabels(const graphs::AxisTexts& texts);
    QString parameterText() const;
    graphs::Curve currentCurve(const graphs::AxisTexts& texts) const;
    // Paints the curve; a fault is told when `tell` is set.
    void drawCurve(const graphs::Curve& curve, bool tell);
    void placeReadout();
    void setParameterEnabled(bool enabled);
};

} // namespace noktaris
