// "Noktaris 1.4 (základní režim)" — the basic-mode window.
#include "app/basic_window.h"

#include "app/application.h"
#include "app/memory_text.h"
#include "app/modes.h"
#include "app/update.h"
#include "catalogue/pick_lists.h"
#include "common/file_read.h"
#include "common/handover.h"
#include "common/messages.h"
#include "common/paths.h"
#include "common/status_line.h"
#include "common/version.h"
#include "common/widgets.h"
#include "config/config_file.h"
#include "optics/ccd_group.h"
#include "optics/lens_field_group.h"
#include "optics/telescope_group.h"
#include "photo/exposure_group.h"
#include "photo/guiding_group.h"
#include "photo/image_size_group.h"
#include "photo/point_exposure_group.h"
#include "photo/trail_group.h"
#include "platform/links.h"
#include "platform/platform.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QTabBar>
#include <QTimer>

namespace noktaris {

TForm1::TForm1(QWidget*)
    : MainWindowBase(QStringLiteral("TForm1"), kProgramName + QStringLiteral(" (základní režim)"), QSize(1004, 523),
                     {{450, false, kProgramName},
                      {180, true, QStringLiteral("--- KONSTANTY ---")},
                      {40, true, QStringLiteral("--- ROZLIŠENÍ ---")}},
                     MenuOwner::BasicWindow)
{
    placeGroups(canvas());
    buildButtons();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    // The last step of the creation: a newer version taken ends the program
    // before anything is shown.
    if (checkForUpdateAtStart())
        endProgram();
}

// Closing the window while it is destroyed moves the focus; by then the groups
// that followFocus looks at are gone.
TForm1::~TForm1() { disconnect(focusWatch_); }

void TForm1::placeGroups(QWidget* canvas)
{
    GroupBox1 = new TelescopeGroup(canvas);
    GroupBox2 = new ExposureGroup(canvas);
    GroupBox3 = new TrailGroup(canvas);
    GroupBox4 = new ImageSizeGroup(canvas);
    GroupBox5 = new LensFieldGroup(canvas);
    GroupBox6 = new GuidingGroup(canvas);
    GroupBox7 = new CcdGroup(canvas);
    GroupBox8 = new PointExposureGroup(canvas);

    // Four columns; each group sits below the one before it in its column.
    const QList<QList<QWidget*>> columns{
        {GroupBox1},
        {GroupBox2, GroupBox3},
        {GroupBox4, GroupBox5},
        {GroupBox7, GroupBox6, GroupBox8},
    };
    int x = 4;
    for (const auto& column : columns) {
        int y = 2;
        int width = 0;
        for (QWidget* group : column) {
            finishGroup(static_cast<QGroupBox*>(group));
            group->move(x, y);
            y += group->height() + 2;
            width = std::max(width, group->width());
        }
        x += width + 4;
    }

    for (QLineEdit* field : {GroupBox1->DdalEdit, GroupBox1->FdalEdit, GroupBox1->FokEdit, GroupBox1->UhelEdit})
        connect(field, &QLineEdit::textChanged, this, &TForm1::DdalEditChange);
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, &TForm1::followFocus);
    GroupBox2->setTelescopeFields(GroupBox1->DdalEdit, GroupBox1->FdalEdit, GroupBox1->FokEdit);
    GroupBox4->setTelescopeFields(GroupBox1->DdalEdit, GroupBox1->FdalEdit, GroupBox2->FokEdit2);

    pickLists_ = PickLists({
        {GroupBox1->Dalekohled, CatalogueKind::Telescopes, {GroupBox1->DdalEdit, GroupBox1->FdalEdit}},
        {GroupBox1->Okular, CatalogueKind::Eyepieces, {GroupBox1->FokEdit, GroupBox1->UhelEdit}},
        {GroupBox2->Jasnosti, CatalogueKind::Brightness, {GroupBox2->JasEdit}},
        {GroupBox4->Objekt, CatalogueKind::Sizes, {GroupBox4->RozmerEdit}},
        {GroupBox5->Film, CatalogueKind::Films, {GroupBox5->FF1, GroupBox5->FF2}},
        {GroupBox7->CCD, CatalogueKind::Chips, {GroupBox7->CCD1, GroupBox7->CCD2, GroupBox7->CCD3, GroupBox7->CCD4}},
    });
    connect(GroupBox1->Dalekohled, &QComboBox::activated, this, &TForm1::DalekohledChange);
    connect(GroupBox1->Okular, &QComboBox::activated, this, &TForm1::OkularChange);
    connect(GroupBox2->Jasnosti, &QComboBox::activated, this, &TForm1::JasnostiChange);
    connect(GroupBox4->Objekt, &QComboBox::activated, this, &TForm1::ObjektChange);
    connect(GroupBox5->Film, &QComboBox::activated, this, &TForm1::FilmChange);
    connect(GroupBox7->CCD, &QComboBox::activated, this, &TForm1::CCDChange);
}

void TForm1::buildButtons()
{
    QWidget* canvas = this->canvas();
    const int top = GroupBox1->y() + GroupBox1->height() + 6;
    const int width = GroupBox1->width();
    BitBtn10 = addButton(canvas, QStringLiteral("BitBtn10"), QStringLiteral("Přepnout do rozšířeného režimu"),
                         QRect(4, top, width, 25), QStringLiteral("Přepne na režim rozšířených výpočtů"));
    const int third = (width - 8) / 3;
    BitBtn11 =
        addButton(canvas, QStringLiteral("BitBtn11"), QStringLiteral("Správa databází"), QRect(4, top + 29, third, 25));
    BitBtn12 = addButton(canvas, QStringLiteral("BitBtn12"), QStringLiteral("O aplikaci ..."),
                         QRect(8 + third, top + 29, third, 25));
    BitBtn1 = addButton(canvas, QStringLiteral("BitBtn1"), QStringLiteral("&Konec"),
                        QRect(12 + 2 * third, top + 29, width - 8 - 2 * third, 25));
    connect(BitBtn10, &QPushButton::clicked, this, &TForm1::Rozenvpoty1Click);
    connect(BitBtn11, &QPushButton::clicked, this, [] { openCatalogueEditor(0); });
    connect(BitBtn12, &QPushButton::clicked, this, [] { showAboutBox(); });
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);
}

bool TForm1::scrollsContents() const { return scrollArea()->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn; }

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    endProgram();
}

void TForm1::FormShow()
{
    const bool firstShow = showCount_ == 0;
    ++showCount_;
    prepare();
    // Last, so that the start mode cannot be decided inside one of the message
    // boxes of the preparation: the timer fires in the message loop.
    if (firstShow)
        Timer1->start();
}

void TForm1::prepare()
{
    checkResolution();
    GroupBox1->Dalekohled->setFocus();
    if (!modeLine())
        showMessage(kConfigErrorMessage);
    if (!fillPickLists())
        return;
    applyPickLists();
    showSystemPanels();
}

void TForm1::checkResolution()
{
    for (;;) {
        const QSize screen = platform().screenSize();
        if (screen.width() >= 1024)
            return;
        const QString question = QStringLiteral("Vaše rozlišení je ") + QString::number(screen.width())
            + QStringLiteral(" x ") + QString::number(screen.height())
            + QStringLiteral("! Ke správnému zobrazení okna základního režimu je třeba nastavit rozlišení alespoň "
                             "1024 x 768. Přejete si nastavit toto rozlišení? V případě záporné odpovědi bude okno "
                             "základního režimu větší než Vaše obrazovka a bude nutno jej posouvat táhlem.");
        switch (askResolution(QStringLiteral("Nevhodné rozlišení!"), question)) {
        case ResolutionAnswer::Yes:
            switch (platform().changeDisplayTo1024x768()) {
            case DisplayChange::Done: showMessage(QStringLiteral("Změna rozlišení proběhla v pořádku.")); break;
            case DisplayChange::RestartNeeded:
                showMessage(QStringLiteral("Ke změně rozlišení bude zapotřebí restartovat počítač."));
                break;
            case DisplayChange::Failed: showMessage(QStringLiteral("Při změně rozlišení došlo k chybě!")); break;
            }
            fitToContents();
            return;
        case ResolutionAnswer::No: scrollContents(); return;
        case ResolutionAnswer::Custom:
            platform().openDisplaySettings();
            showMessage(QStringLiteral("Až nastavíte vyhovující rozlišení, pokračujte stiskem tlačítka."));
            if (platform().screenSize().width() >= 1024) {
                fitToContents();
                return;
            }
            break;
        }
    }
}

bool TForm1::fillPickLists()
{
    const FileResult<> filled = pickLists_.refill();
    reportFilling(filled);
    return filled.ok();
}

void TForm1::applyPickLists()
{
    DalekohledChange();
    OkularChange();
    JasnostiChange();
    ObjektChange();
    FilmChange();
    CCDChange();
}

void TForm1::refreshAfterEditor()
{
    // The widths are those of the opened lists, which show a long name whole.
    const std::pair<PickList*, int> widths[] = {
        {GroupBox1->Dalekohled, 238}, {GroupBox1->Okular, 238}, {GroupBox2->Jasnosti, 210},
        {GroupBox4->Objekt, 217},     {GroupBox5->Film, 121},   {GroupBox7->CCD, 98},
    };
    for (const auto& [list, width] : widths)
        list->view()->setMinimumWidth(width);
    if (!fillPickLists())
        return;
    DalekohledChange();
    OkularChange();
    FilmChange();
    JasnostiChange();
    ObjektChange();
    CCDChange();
}

void TForm1::constantsChanged()
{
    DdalEditChange();
    GroupBox8->D4Change();
    QWidget* focused = focusWidget();
    if (focused && GroupBox8->isAncestorOf(focused))
        GroupBox8Enter();
    else if (focused && GroupBox1->isAncestorOf(focused))
        GroupBox1Enter();
}

void TForm1::DalekohledChange() { reportLookup(pickLists_.apply(GroupBox1->Dalekohled)); }

void TForm1::OkularChange() { reportLookup(pickLists_.apply(GroupBox1->Okular)); }

void TForm1::JasnostiChange() { reportLookup(pickLists_.apply(GroupBox2->Jasnosti)); }

void TForm1::ObjektChange() { reportLookup(pickLists_.apply(GroupBox4->Objekt)); }

void TForm1::FilmChange() { reportLookup(pickLists_.apply(GroupBox5->Film)); }

void TForm1::CCDChange() { reportLookup(pickLists_.apply(GroupBox7->CCD)); }

void TForm1::Timer1Timer()
{
    const auto mode = modeLine();
    if (!mode) {
        Timer1->stop();
        showMessage(kConfigErrorMessage);
        // An unreadable file ends the program; a readable one that merely lacks
        // its mode line leaves the program in the basic mode.
        if (!readFile(resolvePath(kConfigFile)))
            close();
        return;
    }
    if (!startsInBasicMode(*mode))
        switchToExtendedMode();
    Timer1->stop();
}

void TForm1::Rozenvpoty1Click() { switchToExtendedMode(); }

void TForm1::DdalEditChange()
{
    const FileResult<QList<Real>> constants = magnificationConstants();
    if (!constants)
        showMessage(kConfigErrorMessage);
    GroupBox1->computeResults(constants->at(0), constants->at(1));

    // The exposure and image-size groups take the eyepiece and show the telescope
    // in use when they work through it.
    const QString eyepiece = GroupBox1->FokEdit->text();
    GroupBox2->FokEdit2->setText(eyepiece);
    GroupBox4->ffokedit3->setText(eyepiece);
    GroupBox2->showTelescope(GroupBox2->FokEdit2->text());
    GroupBox4->showTelescope();

    GroupBox4->RozmerEditChange();
    GroupBox2->JasEditChange();
    GroupBox1->signCheck();
}

void TForm1::followFocus(QWidget* old, QWidget* now)
{
    // Only moves inside this window count: a message box taking the focus for a
    // moment neither leaves nor enters a group.
    const bool oldHere = old && old->window() == this;
    const bool nowHere = now && now->window() == this;
    if ((old && !oldHere) || !nowHere)
        return;
    const bool was1 = oldHere && GroupBox1->isAncestorOf(old);
    const bool was8 = oldHere && GroupBox8->isAncestorOf(old);
    const bool is1 = GroupBox1->isAncestorOf(now);
    const bool is8 = GroupBox8->isAncestorOf(now);
    if ((was1 && !is1) || (was8 && !is8))
        GroupBox1Exit();
    if (is1 && !was1)
        GroupBox1Enter();
    if (is8 && !was8)
        GroupBox8Enter();
}

void TForm1::GroupBox1Enter()
{
    QString text;
    for (const int which : {1, 2}) {
        if (const auto line = constantLine(which))
            text += constantDisplay(*line);
        else
            showMessage(kConfigErrorMessage);
        if (which == 1)
            text += QStringLiteral("; ");
    }
    StatusBar1->setPanelText(1, text);
}

void TForm1::GroupBox8Enter()
{
    const auto line = constantLine(3);
    if (!line)
        showMessage(kConfigErrorMessage);
    StatusBar1->setPanelText(1, line ? constantDisplay(*line, true) : QString());
}

void TForm1::GroupBox1Exit() { StatusBar1->setPanelText(1, QStringLiteral("--- KONSTANTY ---")); }

} // namespace noktaris
