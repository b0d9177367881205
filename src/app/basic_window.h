// "Noktaris 1.4 (základní režim)": the basic-mode window, the program's main window,
// holding the eight calculation groups side by side.
#pragma once

#include "app/main_window.h"
#include "catalogue/catalogue.h"
#include "catalogue/pick_lists.h"

class QAction;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTimer;

namespace noktaris {

class PickList;
class StatusLine;
class TelescopeGroup;
class ExposureGroup;
class TrailGroup;
class ImageSizeGroup;
class LensFieldGroup;
class GuidingGroup;
class CcdGroup;
class PointExposureGroup;

class TForm1 : public MainWindowBase {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    TelescopeGroup* GroupBox1;
    ExposureGroup* GroupBox2;
    TrailGroup* GroupBox3;
    ImageSizeGroup* GroupBox4;
    LensFieldGroup* GroupBox5;
    GuidingGroup* GroupBox6;
    CcdGroup* GroupBox7;
    PointExposureGroup* GroupBox8;

    QPushButton* BitBtn1;
    QPushButton* BitBtn10;
    QPushButton* BitBtn11;
    QPushButton* BitBtn12;
    QTimer* Timer1;

    // How many times the window has been shown in this run.
    int showCount() const { return showCount_; }
    // Whether the "&Ne" answer of the resolution check turned on scrolling.
    bool scrollsContents() const;

    void FormShow();
    void Timer1Timer();
    void Rozenvpoty1Click();
    // Recomputes the telescope group and what follows from it in the other groups.
    void DdalEditChange();
    // The constants in the status line while the focus is in the groups using them.
    void GroupBox1Enter();
    void GroupBox8Enter();
    void GroupBox1Exit();
    void DalekohledChange();
    void OkularChange();
    void JasnostiChange();
    void ObjektChange();
    void FilmChange();
    void CCDChange();
    // Fills the six pick lists from their catalogues; false when a file failed
    // (reported by the general error report).
    bool fillPickLists();
    // Runs the pick lists' handlers so their first entries fill the fields.
    void applyPickLists();
    // After the catalogue editor's "Zavřít": the six lists refilled and their first
    // entries applied, telescope, eyepiece, film, brightness, size, chip.
    void refreshAfterEditor();
    // After the settings are saved: the telescope and point-exposure groups
    // computed with the new constants, and the constants in the status line when
    // the focus is in one of the two groups that use them.
    void constantsChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildButtons();
    // The window's preparation at every show: resolution, pick lists, status line.
    void prepare();
    void placeGroups(QWidget* canvas);
    void checkResolution();
    void followFocus(QWidget* old, QWidget* now);

    int showCount_ = 0;
    QMetaObject::Connection focusWatch_;
    // The catalogue pick lists and the fields each fills.
    PickLists pickLists_;
};

} // namespace noktaris
