// The look of the fixed-layout windows: every control gets its objectName, its
// position in pixels, its hint and, for entry fields, its key filter; green bold
// group titles, black input labels, red result labels, navy bold pick-list
// headings.
#pragma once

#include "common/keyfilter.h"

#include <QString>
#include <QStringList>

#include <optional>

class QColor;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTabBar;
class QWidget;
class QRect;
class QSize;

namespace noktaris {

enum class LabelStyle {
    Input,      // black: the caption of an entry field
    Result,     // red
    ResultBold, // red, bold
    Heading,    // navy, bold: the caption of a pick list
};

// The hints of entry fields: a field that a pick list also fills, and any other.
inline const QString kOwnValueHint = QStringLiteral("Zde můžete zadat vlastní hodnotu");
inline const QString kValueHint = QStringLiteral("Zadejte hodnotu");

// Row geometry shared by the windows (pixels).
inline constexpr int kLabelHeight = 16;
inline constexpr int kEditHeight = 21;

// The colour and the weight of a control's text, in the application's font.
void setLook(QWidget* w, const QColor& colour, bool bold);
// The bold green title of a group, in a narrow face.
void setGroupLook(QGroupBox* group);

QGroupBox* addGroup(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry);
// The same look for a group class of its own (a QGroupBox subclass): name, caption
// in bold green, fixed size.
void setupGroup(QGroupBox* group, const QString& name, const QString& caption, const QSize& size);
// Gives the group's controls that were not made with the functions here the
// window's own font and black text instead of the group title's.
void finishGroup(QGroupBox* group);
QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                 LabelStyle style = LabelStyle::Input);
QLineEdit* addEdit(QWidget* parent, const QString& name, const QRect& geometry, const QString& text,
                   std::optional<KeyFilter> filter, const QString& hint = QString());
QTabBar* addTabBar(QWidget* parent, const QString& name, const QRect& geometry, const QStringList& tabs);

} // namespace noktaris
