// How a field-of-view result opens the viewer. The result label and the small flat
// button beside it pass the texts of three fields of their window to one tab of the
// viewer; the viewer itself installs what opening means when it is created, so the
// windows that open it need not know it.
#pragma once

#include <array>
#include <functional>

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace noktaris {

// The viewer's tabs: a telescope with an eyepiece, a lens with a CCD chip, a lens
// with a film frame.
enum class ViewerTab { Telescope = 0, Ccd = 1, Film = 2 };

// Opens the viewer for `opener` (the window the result belongs to) on `tab` with
// the three texts: focal length, then the eyepiece's focal length and field angle
// or the frame's width and height.
using ViewerOpener = std::function<void(QWidget* opener, ViewerTab tab, const std::array<QString, 3>& texts)>;
void setViewerOpener(ViewerOpener opener);

// Makes the label and the button open the viewer with the fields' texts as they are
// at the click: a hand cursor and the hint "Ukaž zorné pole" on both, a click on
// either. The window of the label becomes one of the viewer's openers.
void linkToViewer(QLabel* label, QPushButton* button, ViewerTab tab, const std::array<const QLineEdit*, 3>& fields);
// The same with the three texts computed at the click (a focal length behind a
// corrector, a chip's size from its pixels).
using ViewerTexts = std::function<std::array<QString, 3>()>;
void linkToViewer(QLabel* label, QPushButton* button, ViewerTab tab, ViewerTexts texts);

// Enables every window that has a result linked to the viewer (the viewer's close).
void enableViewerOpeners();

} // namespace noktaris
