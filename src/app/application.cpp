#include "app/application.h"

#include "app/about_box.h"
#include "app/basic_window.h"
#include "app/hub_window.h"
#include "app/modes.h"
#include "app/working_folder.h"
#include "catalogue/catalogue.h"
#include "catalogue/editor_window.h"
#include "common/handover.h"
#include "config/settings_window.h"
#include "graphs/graph_window.h"
#include "optics/ccd_window.h"
#include "optics/double_star_window.h"
#include "optics/fields_window.h"
#include "optics/ratios_window.h"
#include "optics/telescope_window.h"
#include "photo/brightness_window.h"
#include "photo/exposure_window.h"
#include "photo/guiding_window.h"
#include "photo/image_size_window.h"
#include "planning/sampling_window.h"
#include "planning/sky_window.h"
#include "platform/platform.h"
#include "viewer/viewer_window.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

namespace noktaris {

namespace {

Application* current = nullptr;

// Set once the program has ended; a quit asked for before the message loop runs
// would otherwise be lost.
bool ended = false;

// What the settings window needs of the main windows.
SettingsHooks settingsHooks()
{
    return {
        [] {
            const TForm1* basic = application().form1();
            return basic && basic->isVisible();
        },
        [](bool extended) { extended ? switchToExtendedMode() : switchToBasicMode(); },
        [] {
            if (TForm1* basic = application().form1())
                basic->constantsChanged();
        },
    };
}

} // namespace

Application::Application(std::initializer_list<Window> only)
{
    current = this;
    ended = false;
    for (int i = int(Window::Basic); i <= int(Window::Viewer); ++i) {
        const auto window = Window(i);
        if (only.size() == 0 || std::find(only.begin(), only.end(), window) != only.end())
            create(window);
    }
    registerMainWindows(form1(), form4());
}

Application::~Application()
{
    registerMainWindows(nullptr, nullptr);
    // The windows go in the reverse order of their making, the planning windows first.
    sky_.reset();
    sampling_.reset();
    form16_.reset();
    form15_.reset();
    form14_.reset();
    form13_.reset();
    form12_.reset();
    form11_.reset();
    form10_.reset();
    form9_.reset();
    form8_.reset();
    form7_.reset();
    form6_.reset();
    form5_.reset();
    form4_.reset();
    form3_.reset();
    form2_.reset();
    form1_.reset();
    current = nullptr;
    ended = false;
}

void Application::create(Window window)
{
    switch (window) {
    case Window::Basic: form1_ = std::make_unique<TForm1>(); break;
    case Window::About: form2_ = std::make_unique<TForm2>(); break;
    case Window::Editor:
        form3_ = std::make_unique<TForm3>([] {
            if (TForm1* basic = application().form1())
                basic->refreshAfterEditor();
        });
        break;
    case Window::Hub: form4_ = std::make_unique<TForm4>(); break;
    case Window::DoubleStar: form5_ = std::make_unique<TForm5>(); break;
    case Window::Telescope: form6_ = std::make_unique<TForm6>(); break;
    case Window::Ccd: form7_ = std::make_unique<TForm7>(); break;
    case Window::Exposure: form8_ = std::make_unique<TForm8>(); break;
    case Window::Ratios: form9_ = std::make_unique<TForm9>(); break;
    case Window::Fields: form10_ = std::make_unique<TForm10>(); break;
    case Window::Guiding: form11_ = std::make_unique<TForm11>(); break;
    case Window::Graphs: form12_ = std::make_unique<TForm12>(); break;
    case Window::ImageSize: form13_ = std::make_unique<TForm13>(); break;
    case Window::Brightness: form14_ = std::make_unique<TForm14>(); break;
    case Window::Settings: form15_ = std::make_unique<TForm15>(settingsHooks()); break;
    case Window::Viewer: form16_ = std::make_unique<TForm16>(); break;
    }
}

QWidget* Application::window(Window window) const
{
    switch (window) {
    case Window::Basic: return form1();
    case Window::About: return form2();
    case Window::Editor: return form3();
    case Window::Hub: return form4();
    case Window::DoubleStar: return form5();
    case Window::Telescope: return form6();
    case Window::Ccd: return form7();
    case Window::Exposure: return form8();
    case Window::Ratios: return form9();
    case Window::Fields: return form10();
    case Window::Guiding: return form11();
    case Window::Graphs: return form12();
    case Window::ImageSize: return form13();
    case Window::Brightness: return form14();
    case Window::Settings: return form15();
    case Window::Viewer: return form16();
    }
    return nullptr;
}

QList<QWidget*> Application::windows() const
{
    QList<QWidget*> all;
    for (int i = int(Window::Basic); i <= int(Window::Viewer); ++i)
        if (QWidget* w = window(Window(i)))
            all << w;
    return all;
}

SamplingWindow* Application::samplingWindow()
{
    if (!sampling_)
        sampling_ = std::make_unique<SamplingWindow>();
    return sampling_.get();
}

SkyWindow* Application::skyWindow()
{
    if (!sky_)
        sky_ = std::make_unique<SkyWindow>();
    return sky_.get();
}

QWidget* Application::planningWindow(Planning window)
{
    switch (window) {
    case Planning::Sampling: return samplingWindow();
    case Planning::Sky: return skyWindow();
    }
    return nullptr;
}

QList<QWidget*> Application::planningWindows() const
{
    QList<QWidget*> made;
    if (sampling_)
        made << sampling_.get();
    if (sky_)
        made << sky_.get();
    return made;
}

void openPlanningWindow(Application::Planning window)
{
    copyMissingDelivered(catalogueInfo(CatalogueKind::Cameras).file, platform().programFolder(), QDir::currentPath());
    openChildWindow(application().planningWindow(window));
}

Application& application() { return *current; }

bool hasApplication() { return current != nullptr; }

bool programEnded() { return ended; }

void closeMainWindow()
{
    if (current && current->form1())
        current->form1()->close();
}

void endProgram()
{
    ended = true;
    if (current)
        for (QWidget* w : current->windows() + current->planningWindows())
            w->hide();
    QCoreApplication::quit();
}

} // namespace noktaris
