// The program's windows and their owner. The program creates the sixteen windows
// once at start, in the order TForm1 to TForm16 (creating TForm1 runs the update
// check, which may end the program before the others exist), and keeps them until
// it ends; opening a window shows the existing one. Tests may create only the
// windows they need.
#pragma once

#include <QList>

#include <initializer_list>
#include <memory>

class QWidget;

namespace noktaris {

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;
class TForm11;
class TForm12;
class TForm13;
class TForm14;
class TForm15;
class TForm16;
class SamplingWindow;
class SkyWindow;

class Application {
public:
    // The windows by what they are, in the order they are created.
    enum class Window {
        Basic,      // TForm1, the basic-mode window and the program's main window
        About,      // TForm2
        Editor,     // TForm3, the catalogue editor
        Hub,        // TForm4, the extended-mode window
        DoubleStar, // TForm5
        Telescope,  // TForm6
        Ccd,        // TForm7
        Exposure,   // TForm8
        Ratios,     // TForm9
        Fields,     // TForm10
        Guiding,    // TForm11
        Graphs,     // TForm12
        ImageSize,  // TForm13
        Brightness, // TForm14
        Settings,   // TForm15
        Viewer,     // TForm16
    };

    // Creates the windows, all of them unless `only` names some; each in its place
    // of the order. There is one Application at a time.
    explicit Application(std::initializer_list<Window> only = {});
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The window, or nullptr when this Application did not create it.
    TForm1* form1() const { return form1_.get(); }
    TForm2* form2() const { return form2_.get(); }
    TForm3* form3() const { return form3_.get(); }
    TForm4* form4() const { return form4_.get(); }
    TForm5* form5() const { return form5_.get(); }
    TForm6* form6() const { return form6_.get(); }
    TForm7* form7() const { return form7_.get(); }
    TForm8* form8() const { return form8_.get(); }
    TForm9* form9() const { return form9_.get(); }
    TForm10* form10() const { return form10_.get(); }
    TForm11* form11() const { return form11_.get(); }
    TForm12* form12() const { return form12_.get(); }
    TForm13* form13() const { return form13_.get(); }
    TForm14* form14() const { return form14_.get(); }
    TForm15* form15() const { return form15_.get(); }
    TForm16* form16() const { return form16_.get(); }
    // The window as a widget, to be shown or hidden; nullptr when not created.
    QWidget* window(Window window) const;
    // Every window of the sixteen created so far, in order.
    QList<QWidget*> windows() const;

    // The planning windows beyond the sixteen, made when first asked for, so that
    // the start-up stays as it is.
    enum class Planning { Sampling, Sky };
    SamplingWindow* samplingWindow();
    SkyWindow* skyWindow();
    QWidget* planningWindow(Planning window);
    // The planning windows made so far.
    QList<QWidget*> planningWindows() const;

private:
    void create(Window window);

    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm3> form3_;
    std::unique_ptr<TForm4> form4_;
    std::unique_ptr<TForm5> form5_;
    std::unique_ptr<TForm6> form6_;
    std::unique_ptr<TForm7> form7_;
    std::unique_ptr<TForm8> form8_;
    std::unique_ptr<TForm9> form9_;
    std::unique_ptr<TForm10> form10_;
    std::unique_ptr<TForm11> form11_;
    std::unique_ptr<TForm12> form12_;
    std::unique_ptr<TForm13> form13_;
    std::unique_ptr<TForm14> form14_;
    std::unique_ptr<TForm15> form15_;
    std::unique_ptr<TForm16> form16_;
    std::unique_ptr<SamplingWindow> sampling_;
    std::unique_ptr<SkyWindow> sky_;
};

// The Application that exists; only while there is one.
Application& application();
bool hasApplication();

// Opens a planning window by the hand-over rules. A program working in the user's
// folder first copies the delivered camera catalogue there when it is missing
// (the start-up copies only config.ini and the editor's catalogues).
void openPlanningWindow(Application::Planning window);

// Closes the basic-mode window, the program's main window: the program ends.
void closeMainWindow();
// Ends the program: every window is hidden and the message loop is asked to end.
void endProgram();
// Whether the program has ended (endProgram) since the Application was made.
bool programEnded();

} // namespace noktaris
