// The buttons every window has, and labels that act when clicked.
#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <QStyle>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRect;
class QWidget;

namespace noktaris {

QPushButton* addButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry,
                       const QString& hint = QString());
// The small button of a group that writes "0" into its fields, one after the other
// (each write recomputes through the field's change event).
QPushButton* addResetButton(QWidget* parent, const QString& name, const QPoint& position,
                            const QList<QLineEdit*>& fields);

// Runs the action when the label is clicked: the left button pressed and released
// over it.
void onLabelClick(QLabel* label, std::function<void()> action);

// A result label that opens the field-of-view viewer: hand cursor and its hint.
void makeViewerLink(QWidget* widget);
// The small flat button beside such a label, 22 × 22 at `position`.
QPushButton* addViewerButton(QWidget* parent, const QString& name, const QPoint& position);

// A button with one of the style's pictures beside its caption.
QPushButton* addPictureButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry,
                              QStyle::StandardPixmap picture);
// A window's close button, named BitBtn1 unless said otherwise, with its picture.
// With `escape` it is the window's cancel button: the Esc key presses it.
QPushButton* addCloseButton(QWidget* window, const QString& caption, const QRect& geometry, bool escape,
                            const QString& name = QStringLiteral("BitBtn1"));
// The same in the window's bottom-right corner.
QPushButton* addCornerCloseButton(QWidget* window, const QString& caption, bool escape);

} // namespace noktaris
