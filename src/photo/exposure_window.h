// "Expoziční časy": the extended-mode exposure window. Three set-ups side by side
// (camera lens, telescope at prime focus, afocal), each with a filter factor and the
// film's reciprocity failure, and the longest exposure that keeps a star a point.
#pragma once

#include "catalogue/pick_lists.h"
#include "common/handover.h"
#include "common/numbers.h"
#include "common/widgets.h"

#include <QList>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace noktaris {

enum class CatalogueKind;

class TForm8 : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);

    // Recomputation of each group; every field of the group calls its handler.
    void jaseditChange();
    void ddaledit2Change();
    void ddaledit3Change();
    void d4Change();

    // Catalogue pick lists.
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void ComboBox4Change();
    void ComboBox5Change();
    void ComboBox6Change();
    // The constant of the point exposure.
    void ComboBox7Change();
    // Filter factors and reciprocity exponents.
    void ComboBox8Change();
    void ComboBox9Change();
    void ComboBox10Change();
    void ComboBox11Change();
    void ComboBox12Change();
    void ComboBox13Change();

    void FormShow() override;
    void Memo3Click();
    void BitBtn1Click();

    // Camera lens.
    QGroupBox* groupbox1;
    QLineEdit* jasedit;
    PickList* ComboBox1;
    QLineEdit* asaedit;
    QLineEdit* clonaedit;
    QLineEdit* ff1;
    PickList* ComboBox8;
    QLineEdit* r1;
    PickList* ComboBox9;
    QLabel* exp;
    QLabel* dopor;

    // Telescope at prime focus.
    QGroupBox* GroupBox2;
    QLineEdit* jasedit2;
    PickList* ComboBox3;
    QLineEdit* asaedit2;
    PickList* ComboBox2;
    QLineEdit* ddaledit2;
    QLineEdit* fdaledit2;
    QLineEdit* ff2;
    PickList* ComboBox12;
    QLineEdit* r2;
    PickList* ComboBox13;
    QLabel* exp2;
    QLabel* dopor2;

    // Eyepiece projecting into a camera.
    QGroupBox* GroupBox3;
    QLineEdit* jasedit3;
    PickList* ComboBox6;
    QLineEdit* asaedit3;
    PickList* ComboBox4;
    QLineEdit* ddaledit3;
    QLineEdit* fdaledit3;
    PickList* ComboBox5;
    QLineEdit* fokedit3;
    QLineEdit* ffotedit3;
    QLineEdit* ff3;
    PickList* ComboBox10;
    QLineEdit* r3;
    PickList* ComboBox11;
    QLabel* svet;
    QLabel* exp3;
    QLabel* dopor3;

    // Longest point exposure.
    QGroupBox* GroupBox4;
    QLineEdit* d4;
    QLineEdit* d5;
    QLineEdit* d6;
    QLabel* Label22;
    QLineEdit* f;
    QLabel* Label27;
    QLineEdit* konst;
    PickList* ComboBox7;
    QLabel* exp4;
    QLabel* dopor4;
    QLabel* Memo3;

    QLabel* Memo1;
    QLabel* Memo2;
    QToolButton* SpeedButton1;
    QPushButton* BitBtn1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The rows all three exposure groups share, made into the members named here.
    struct ExposureRows {
        QLineEdit*& brightness;
        PickList*& brightnessList;
        QLineEdit*& speed;
        QLineEdit*& filter;
        PickList*& filterList;
        QLineEdit*& reciprocity;
        PickList*& reciprocityList;
        QLabel*& exposure;
        QLabel*& recommendation;
    };

    void buildCameraGroup();
    void buildTelescopeGroup();
    void buildAfocalGroup();
    void buildPointGroup();
    void buildNotes();
    // One of the three exposure groups, number 1 to 3, with the rows they share.
    QGroupBox* addExposureGroup(int number, const QString& name, const QString& title, const QStringList& listNames,
                                const ExposureRows& rows);
    // The telescope list and its D and F fields of groups 2 and 3.
    void addTelescopeRows(RowLayout& rows, int number, const QString& listName, PickList*& list, QLineEdit*& D,
                          QLineEdit*& F);
    void connectFields(const QList<QLineEdit*>& fields, void (TForm8::*handler)());
    void connectList(PickList* list, void (TForm8::*handler)());

    void showExposure(const Real& t0, QLineEdit* filter, QLineEdit* reciprocity, QLabel* exposureLabel,
                      QLabel* recommendationLabel);
    void computePointExposure();
    // The catalogue pick lists and the fields each fills.
    PickLists pickLists_;
};

} // namespace noktaris
