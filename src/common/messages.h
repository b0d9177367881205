// Every message box of the program goes through here, so the texts, captions and
// buttons are the same everywhere and tests can answer the boxes in one way.
#pragma once

#include "common/version.h"

#include <QString>

class QWidget;

namespace noktaris {

// The caption of plain boxes: the application title.
inline const QString kAppTitle = kProgramName;

// A plain box: the text and one OK button.
void showMessage(const QString& text);
// Typed boxes with one OK button.
void showError(const QString& text);
void showWarning(const QString& text);
void showInformation(const QString& text);
// A confirmation with OK and Cancel; true for OK.
bool confirm(const QString& text);
// The same two buttons in an information box.
bool confirmInformation(const QString& text);
// The application's general report of a failure nobody handled (the system's text).
void showErrorReport(const QString& systemText);

// The resolution question: three buttons; Escape and the close box count as the third.
enum class ResolutionAnswer { Yes, No, Custom };
ResolutionAnswer askResolution(const QString& caption, const QString& text);

} // namespace noktaris
