// Building blocks of the fixed-layout windows: every control gets its objectName,
// its position in pixels, its hint and, for entry fields, its key filter. The look
// follows the program's conventions: green bold group titles, black input labels,
// red result labels, navy bold pick-list headings.
#pragma once

#include "common/keyfilter.h"
#include "common/numbers.h"

#include <QComboBox>
#include <QList>
#include <QSpinBox>
#include <QStyle>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStringListModel;
class QTabBar;
class QWidget;

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

// A drop-down list that accepts no typing. Sorted lists keep their entries in
// alphabetical (Czech) order; the others keep the order they were given.
class PickList : public QComboBox {
    Q_OBJECT
public:
    PickList(QWidget* parent, bool sorted);
    bool isSorted() const { return sorted_; }
    // Replaces the entries and selects the first one (none when empty).
    void setNames(QStringList names);
    void showPopup() override;

signals:
    // The list is about to open.
    void droppedDown();

private:
    bool sorted_;
    QStringListModel* names_;
};

// A whole-number spin field: its arrows step by 1 within the range; typing takes
// digits, "+", "-" and the comma (other keys beep); a typed value beyond the range
// is brought back into it when the field loses the focus.
class SpinField : public QSpinBox {
    Q_OBJECT
public:
    SpinField(QWidget* parent, int minimum, int maximum);
    // While typing: the text as a whole number, or 0 when it is none.
    std::int64_t typedValue() const;

signals:
    // The text changed, by typing or by the arrows.
    void changed();

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString shown_;
};
SpinField* addSpinField(QWidget* parent, const QString& name, const QRect& geometry, int minimum, int maximum);

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
PickList* addPickList(QWidget* parent, const QString& name, const QRect& geometry, const QString& hint,
                      bool sorted = true);
// The small button of a group that writes "0" into its fields, one after the other
// (each write recomputes through the field's change event).
QPushButton* addResetButton(QWidget* parent, const QString& name, const QPoint& position,
                            const QList<QLineEdit*>& fields);

// The sign check of the result groups: reading the fields in order, whether one
// holds a negative number before any that holds no number at all.
bool hasNegativeInput(const QList<const QLineEdit*>& fields);
// A field's text as a number; throws CalcFailure when it is none.
Real numberIn(const QLineEdit* field);

// Places the controls of a group row by row, each at the height given: captions
// begin at the left edge, entry fields end at the right edge, and pick lists and
// text lines run across to it.
class RowLayout {
public:
    RowLayout(QWidget* parent, int left, int right, int fieldWidth);

    // An entry field at the right edge, initial text "0", with its caption to the
    // left of it; a caption of two lines is wrapped and sits beside the field. The
    // caption's label goes to *label when asked for.
    QLineEdit* field(int y, const QString& editName, const QString& labelName, const QString& caption,
                     std::optional<KeyFilter> filter, const QString& hint = QString(), int captionLines = 1,
                     QLabel** label = nullptr);
    // An entry field without a caption of its own, `width` wide from x.
    QLineEdit* entry(int x, int y, int width, const QString& name, std::optional<KeyFilter> filter,
                     const QString& hint = QString());
    // A pick list from x (the left edge when -1) to the right edge.
    PickList* pickList(int y, const QString& name, const QString& hint, bool sorted = true, int x = -1);
    // A label from the left edge, `width` wide (to the right edge when -1).
    QLabel* line(int y, const QString& name, const QString& text, LabelStyle style = LabelStyle::Input,
                 int lines = 1, int width = -1);
    // A caption and two fields at the right edge with an "x" between them: "width x height".
    struct Pair {
        QLabel* caption;
        QLineEdit* first;
        QLabel* times;
        QLineEdit* second;
    };
    Pair pair(int y, const QString& labelPrefix, const QString& caption, const QString& firstName,
              const QString& secondName, std::optional<KeyFilter> filter, const QString& hint);

    int left() const { return left_; }
    int right() const { return right_; }
    int fieldX() const { return right_ - fieldWidth_; }

private:
    QWidget* parent_;
    int left_;
    int right_;
    int fieldWidth_;
};
QPushButton* addButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry,
                       const QString& hint = QString());
QTabBar* addTabBar(QWidget* parent, const QString& name, const QRect& geometry, const QStringList& tabs);

// A declination on one row: "Deklinace:", then degrees, minutes and seconds, each
// field followed by its sign. The degrees always accept a minus sign; partsFilter
// says whether the minutes and seconds do. Label names begin with prefix. The
// fields carry the range hint where `hint` is set.
struct DeclinationRow {
    QLineEdit* degrees;
    QLineEdit* minutes;
    QLineEdit* seconds;
};
DeclinationRow addDeclinationRow(QWidget* parent, const QString& prefix, const QStringList& fieldNames,
                                 KeyFilter partsFilter, const QPoint& at, const QString& hint = QString());
inline const QString kDeclinationHint = QStringLiteral("Zadejte deklinaci od -90° do 90°");

// How long a hint stays visible, for the whole program (milliseconds).
void setHintDisplayTime(int milliseconds);
// -1 until a window sets it: Qt's own time, which grows with the hint's length.
int hintDisplayTime();

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
