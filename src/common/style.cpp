#include "common/style.h"

#include "common/keyfilter.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>

namespace noktaris {

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

} // namespace noktaris
