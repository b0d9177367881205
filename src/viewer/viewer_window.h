// "Ukaž zorné pole": a photograph of a sky object at a known angular scale with
// the field of an instrument drawn over it as a yellow frame — a circle for a
// telescope with an eyepiece, a rectangle for a lens with a CCD chip or a film
// frame. The picture is shown at five scales; the frame can be dragged and turned
// by a quarter turn. The calculation windows open it from their field-of-view
// results with their own values.
#pragma once

#include "common/handover.h"
#include "common/numbers.h"
#include "common/viewer_link.h"
#include "viewer/frame_layout.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;
class QTimer;

namespace noktaris {

class FrameShape;
class PickList;
class PictureView;
class StatusLine;

class TForm16 : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TForm16(QWidget* parent = nullptr);
    ~TForm16() override;

    // A result of another window asks for the viewer: that window is disabled and
    // the viewer opens on `tab` with the three texts.
    void openFrom(QWidget* opener, ViewerTab tab, const std::array<QString, 3>& texts);

    void FormCreate();
    void TabControl1Change();
    // bbChange and ccChange do the same.
    void aaChange();
    void ComboBox1Change();
    void ComboBox2Change();
    void rotaceClick();
    void Shape1MouseDown(QPoint cursor);
    void Shape1MouseUp();
    void Timer1Timer();
    void BitBtn1Click();

    QTabBar* TabControl1;
    QLabel* a;
    QLabel* b;
    QLabel* c;
    QLineEdit* aa;
    QLineEdit* bb;
    QLineEdit* cc;
    QLabel* zp;
    QWidget* Shape2;
    PictureView* Image;
    FrameShape* Shape1;
    PickList* ComboBox1;
    PickList* ComboBox2;
    QPushButton* rotace;
    QPushButton* BitBtn1;
    StatusLine* StatusBar1;
    QTimer* Timer1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void onClosed() override;

private:
    void buildDisplay();
    void buildFieldRows();
    void buildBottomRow();
    void connectHandlers();
    ViewerTab tab() const;
    void writeCaptions(ViewerTab tab);
    void layOutFrame();

    Real z_ = 1;
    viewer::Span displayed_;  // Wd × Hd
    viewer::Span instrument_; // Fw × Fh
    bool rotated_ = false;
    bool keepValues_ = false;
    // While the frame is dragged: the cursor at the last timer tick, and now.
    QPoint dragFrom_;
    QPoint cursor_;
};

} // namespace noktaris
