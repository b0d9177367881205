#include "common/widgets.h"

#include "common/collation.h"

#include <QApplication>
#include <QGroupBox>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QStringListModel>
#include <QStyle>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabBar>
#include <QToolTip>

#include <algorithm>

namespace noktaris {

namespace {

// Fonts are built from the application's font rather than inherited, because a
// group's own (narrow, bold) title font would otherwise pass to its controls.
void setLook(QWidget* w, const QColor& colour, bool bold)
{
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, colour);
    w->setPalette(palette);
    QFont font = QApplication::font();
    font.setBold(bold);
    w->setFont(font);
}

void setGroupLook(QGroupBox* group)
{
    QPalette palette = group->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 128, 0));
    group->setPalette(palette);
    // The long Czech group titles fit their frames only in a narrow face.
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Liberation Sans Narrow"));
    font.setBold(true);
    group->setFont(font);
}

// Looking a style icon up in the icon theme costs a quarter of a millisecond, and
// the windows ask for the same three icons over and over: each is looked up once
// per application. The cache belongs to the application and goes with it.
class IconCache : public QObject {
public:
    using QObject::QObject;
    QHash<int, QIcon> icons;
};

QIcon styleIcon(const QWidget* widget, QStyle::StandardPixmap which)
{
    static QPointer<IconCache> cache;
    if (!cache)
        cache = new IconCache(qApp);
    auto found = cache->icons.constFind(int(which));
    if (found == cache->icons.cend())
        found = cache->icons.insert(int(which), widget->style()->standardIcon(which));
    return *found;
}

// A click on a label: the left button released over it after it was pressed there.
class LabelClick : public QObject {
public:
    LabelClick(QLabel* label, std::function<void()> action) : QObject(label), action_(std::move(action))
    {
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* label = static_cast<QLabel*>(watched);
        if (event->type() == QEvent::MouseButtonPress) {
            pressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease && pressed_) {
            pressed_ = false;
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint()))
                action_();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
    bool pressed_ = false;
};

} // namespace

// A catalogue may hold many thousands of names: a plain list of strings as the
// model costs a fraction of an item object per entry.
PickList::PickList(QWidget* parent, bool sorted)
    : QComboBox(parent), sorted_(sorted), names_(new QStringListModel(this))
{
    setEditable(false);
    setMaxVisibleItems(16);
    setModel(names_);
}

void PickList::setNames(QStringList names)
{
    if (sorted_)
        sortNames(names);
    const QSignalBlocker blocker(this);
    const bool empty = names.isEmpty();
    names_->setStringList(std::move(names));
    setCurrentIndex(empty ? -1 : 0);
}

void PickList::showPopup()
{
    emit droppedDown();
    QComboBox::showPopup();
}

namespace {
bool isSpinCharacter(QChar c) { return c.isDigit() || c == u'+' || c == u'-' || c == u','; }
} // namespace

SpinField::SpinField(QWidget* parent, int minimum, int maximum) : QSpinBox(parent)
{
    setRange(minimum, maximum);
    // Typing changes the editor's text; the arrows and the correction on leaving
    // change the value, whose new text the editor takes silently.
    const auto note = [this] {
        if (text() == shown_)
            return;
        shown_ = text();
        emit changed();
    };
    connect(lineEdit(), &QLineEdit::textChanged, this, note);
    connect(this, &QSpinBox::textChanged, this, note);
    shown_ = text();
}

std::int64_t SpinField::typedValue() const
{
    std::int64_t value = 0;
    guarded([&] { value = toWholeNumber(text()); });
    return value;
}

// Any text of the allowed characters may stand while typing; only a whole number
// within the range is a value.
QValidator::State SpinField::validate(QString& input, int&) const
{
    for (const QChar c : input)
        if (!isSpinCharacter(c))
            return QValidator::Invalid;
    std::int64_t value = 0;
    if (!guarded([&] { value = toWholeNumber(input); }))
        return QValidator::Intermediate;
    return value >= minimum() && value <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

// Leaving the field: a number beyond the range becomes its nearest end, anything
// else the value the field computes with (0, or the minimum above it).
void SpinField::fixup(QString& input) const
{
    std::int64_t value = 0;
    guarded([&] { value = toWholeNumber(input); });
    input = QString::number(std::clamp<std::int64_t>(value, minimum(), maximum()));
}

void SpinField::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    if (typed.size() == 1 && typed[0].isPrint() && !isSpinCharacter(typed[0])
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QApplication::beep();
        event->accept();
        return;
    }
    QSpinBox::keyPressEvent(event);
}

SpinField* addSpinField(QWidget* parent, const QString& name, const QRect& geometry, int minimum, int maximum)
{
    auto* field = new SpinField(parent, minimum, maximum);
    field->setObjectName(name);
    field->setGeometry(geometry);
    setLook(field, Qt::black, false);
    return field;
}

QGroupBox* addGroup(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry)
{
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(name);
    group->setGeometry(geometry);
    setGroupLook(group);
    return group;
}

void setupGroup(QGroupBox* group, const QString& name, const QString& caption, const QSize& size)
{
    group->setObjectName(name);
    group->setTitle(caption);
    group->setFixedSize(size);
    setGroupLook(group);
}

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry, LabelStyle style)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    switch (style) {
    case LabelStyle::Input: setLook(label, Qt::black, false); break;
    case LabelStyle::Result: setLook(label, Qt::red, false); break;
    case LabelStyle::ResultBold: setLook(label, Qt::red, true); break;
    case LabelStyle::Heading: setLook(label, QColor(0, 0, 128), true); break;
    }
    return label;
}

QLineEdit* addEdit(QWidget* parent, const QString& name, const QRect& geometry, const QString& text,
                   std::optional<KeyFilter> filter, const QString& hint)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    setLook(edit, Qt::black, false);
    if (!hint.isEmpty())
        edit->setToolTip(hint);
    if (filter)
        installKeyFilter(edit, *filter);
    return edit;
}

PickList* addPickList(QWidget* parent, const QString& name, const QRect& geometry, const QString& hint, bool sorted)
{
    auto* list = new PickList(parent, sorted);
    list->setObjectName(name);
    list->setGeometry(geometry);
    setLook(list, Qt::black, false);
    if (!hint.isEmpty())
        list->setToolTip(hint);
    return list;
}

QPushButton* addResetButton(QWidget* parent, const QString& name, const QPoint& position,
                            const QList<QLineEdit*>& fields)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setGeometry(QRect(position, QSize(22, 22)));
    button->setIcon(styleIcon(button, QStyle::SP_DialogResetButton));
    button->setToolTip(QStringLiteral("Vynulovat pole"));
    setLook(button, Qt::black, false);
    QObject::connect(button, &QPushButton::clicked, button, [fields] {
        for (QLineEdit* field : fields)
            field->setText(QStringLiteral("0"));
    });
    return button;
}

Real numberIn(const QLineEdit* field) { return toNumber(field->text()); }

bool hasNegativeInput(const QList<const QLineEdit*>& fields)
{
    for (const QLineEdit* field : fields) {
        Real value = 0;
        if (!guarded([&] { value = numberIn(field); }))
            return false;
        if (value < 0)
            return true;
    }
    return false;
}

RowLayout::RowLayout(QWidget* parent, int left, int right, int fieldWidth)
    : parent_(parent), left_(left), right_(right), fieldWidth_(fieldWidth)
{
}

QLineEdit* RowLayout::field(int y, const QString& editName, const QString& labelName, const QString& caption,
                            std::optional<KeyFilter> filter, const QString& hint, int captionLines, QLabel** label)
{
    const int captionWidth = fieldX() - left_ - 4;
    QLabel* captionLabel = captionLines > 1
        ? addLabel(parent_, labelName, caption, QRect(left_, y - 3, captionWidth, 26))
        : addLabel(parent_, labelName, caption, QRect(left_, y + 3, captionWidth, kLabelHeight));
    captionLabel->setWordWrap(captionLines > 1);
    if (label)
        *label = captionLabel;
    return entry(fieldX(), y, fieldWidth_, editName, filter, hint);
}

QLineEdit* RowLayout::entry(int x, int y, int width, const QString& name, std::optional<KeyFilter> filter,
                            const QString& hint)
{
    return addEdit(parent_, name, QRect(x, y, width, kEditHeight), QStringLiteral("0"), filter, hint);
}

PickList* RowLayout::pickList(int y, const QString& name, const QString& hint, bool sorted, int x)
{
    const int from = x < 0 ? left_ : x;
    return addPickList(parent_, name, QRect(from, y, right_ - from, 22), hint, sorted);
}

QLabel* RowLayout::line(int y, const QString& name, const QString& text, LabelStyle style, int lines, int width)
{
    QLabel* label = addLabel(parent_, name, text,
                             QRect(left_, y, width < 0 ? right_ - left_ : width, lines > 1 ? 13 * lines : kLabelHeight),
                             style);
    if (lines > 1) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    return label;
}

RowLayout::Pair RowLayout::pair(int y, const QString& labelPrefix, const QString& caption, const QString& firstName,
                                const QString& secondName, std::optional<KeyFilter> filter, const QString& hint)
{
    // Each field a little over half the field width, the "x" in the gap between them.
    const int width = fieldWidth_;
    const int firstX = right_ - 2 * width - 14;
    Pair p;
    p.caption = addLabel(parent_, labelPrefix + QStringLiteral("Label"), caption,
                         QRect(left_, y + 3, firstX - left_ - 2, kLabelHeight));
    p.first = entry(firstX, y, width, firstName, filter, hint);
    p.times = addLabel(parent_, labelPrefix + QStringLiteral("TimesLabel"), QStringLiteral("x"),
                       QRect(firstX + width + 2, y + 3, 10, kLabelHeight));
    p.second = entry(right_ - width, y, width, secondName, filter, hint);
    return p;
}

QPushButton* addButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry,
                       const QString& hint)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    setLook(button, Qt::black, false);
    if (!hint.isEmpty())
        button->setToolTip(hint);
    return button;
}

QTabBar* addTabBar(QWidget* parent, const QString& name, const QRect& geometry, const QStringList& tabs)
{
    auto* bar = new QTabBar(parent);
    bar->setObjectName(name);
    bar->setGeometry(geometry);
    bar->setExpanding(false);
    bar->setDrawBase(false);
    setLook(bar, Qt::black, false);
    for (const QString& tab : tabs)
        bar->addTab(tab);
    return bar;
}

void finishGroup(QGroupBox* group)
{
    const auto children = group->findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (!child->testAttribute(Qt::WA_SetFont))
            child->setFont(QApplication::font());
        if (!child->testAttribute(Qt::WA_SetPalette)) {
            QPalette palette = child->palette();
            palette.setColor(QPalette::WindowText, Qt::black);
            child->setPalette(palette);
        }
    }
}

DeclinationRow addDeclinationRow(QWidget* parent, const QString& prefix, const QStringList& fieldNames,
                                 KeyFilter partsFilter, const QPoint& at, const QString& hint)
{
    const int x = at.x();
    const int y = at.y();
    addLabel(parent, prefix + QStringLiteral("DeclinationLabel"), QStringLiteral("Deklinace:"),
             QRect(x, y + 3, 56, kLabelHeight));
    DeclinationRow row;
    row.degrees = addEdit(parent, fieldNames.value(0), QRect(x + 58, y, 34, kEditHeight), QStringLiteral("0"),
                          KeyFilter::SignedWhole, hint);
    row.degrees->setMaxLength(3);
    addLabel(parent, prefix + QStringLiteral("DegreeSign"), QStringLiteral("°"), QRect(x + 94, y + 1, 10, kLabelHeight));
    row.minutes = addEdit(parent, fieldNames.value(1), QRect(x + 106, y, 28, kEditHeight), QStringLiteral("0"),
                          partsFilter, hint);
    row.minutes->setMaxLength(2);
    addLabel(parent, prefix + QStringLiteral("MinuteSign"), QStringLiteral("'"), QRect(x + 136, y + 1, 8, kLabelHeight));
    row.seconds = addEdit(parent, fieldNames.value(2), QRect(x + 146, y, 28, kEditHeight), QStringLiteral("0"),
                          partsFilter, hint);
    row.seconds->setMaxLength(2);
    addLabel(parent, prefix + QStringLiteral("SecondSign"), QStringLiteral("''"), QRect(x + 176, y + 1, 12, kLabelHeight));
    return row;
}

namespace {

// Shows every hint of the program for a fixed time instead of Qt's length-based one.
class HintTime : public QObject {
public:
    explicit HintTime(QObject* parent) : QObject(parent) {}
    int milliseconds = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() != QEvent::ToolTip || !widget || widget->toolTip().isEmpty() || milliseconds < 0)
            return QObject::eventFilter(watched, event);
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(), widget->toolTip(), widget, QRect(), milliseconds);
        return true;
    }
};

HintTime*& hintTime()
{
    static HintTime* filter = nullptr;
    return filter;
}

} // namespace

void setHintDisplayTime(int milliseconds)
{
    HintTime*& filter = hintTime();
    if (!filter) {
        filter = new HintTime(qApp);
        qApp->installEventFilter(filter);
    }
    filter->milliseconds = milliseconds;
}

int hintDisplayTime() { return hintTime() ? hintTime()->milliseconds : -1; }

void onLabelClick(QLabel* label, std::function<void()> action) { new LabelClick(label, std::move(action)); }

void makeViewerLink(QWidget* widget)
{
    widget->setCursor(Qt::PointingHandCursor);
    widget->setToolTip(QStringLiteral("Ukaž zorné pole"));
}

QPushButton* addViewerButton(QWidget* parent, const QString& name, const QPoint& position)
{
    QPushButton* button = addButton(parent, name, QString(), QRect(position, QSize(22, 22)));
    button->setFlat(true);
    button->setIcon(styleIcon(button, QStyle::SP_FileDialogContentsView));
    makeViewerLink(button);
    return button;
}

QPushButton* addPictureButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry,
                              QStyle::StandardPixmap picture)
{
    QPushButton* button = addButton(parent, name, caption, geometry);
    button->setIcon(styleIcon(button, picture));
    return button;
}

QPushButton* addCloseButton(QWidget* window, const QString& caption, const QRect& geometry, bool escape,
                            const QString& name)
{
    QPushButton* button = addPictureButton(window, name, caption, geometry, QStyle::SP_DialogCloseButton);
    if (escape) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), window);
        QObject::connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
    }
    return button;
}

QPushButton* addCornerCloseButton(QWidget* window, const QString& caption, bool escape)
{
    return addCloseButton(window, caption, QRect(window->width() - 8 - 90, window->height() - 8 - 26, 90, 26), escape);
}

} // namespace noktaris
