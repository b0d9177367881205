#include "common/buttons.h"

#include "common/style.h"

#include <QApplication>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>

namespace noktaris {

namespace {

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
