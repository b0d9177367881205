#include "common/viewer_link.h"

#include "common/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QPushButton>

namespace noktaris {

namespace {

ViewerOpener& installedOpener()
{
    static ViewerOpener opener;
    return opener;
}

// The labels linked to the viewer; their windows are the viewer's openers.
QList<QPointer<QLabel>>& linkedLabels()
{
    static QList<QPointer<QLabel>> labels;
    return labels;
}

} // namespace

void setViewerOpener(ViewerOpener opener) { installedOpener() = std::move(opener); }

void linkToViewer(QLabel* label, QPushButton* button, ViewerTab tab, const std::array<const QLineEdit*, 3>& fields)
{
    linkToViewer(label, button, tab, [fields] {
        return std::array<QString, 3>{fields[0]->text(), fields[1]->text(), fields[2]->text()};
    });
}

void linkToViewer(QLabel* label, QPushButton* button, ViewerTab tab, ViewerTexts texts)
{
    makeViewerLink(label);
    const auto open = [label, tab, texts = std::move(texts)] {
        const ViewerOpener& opener = installedOpener();
        if (opener)
            opener(label->window(), tab, texts());
    };
    onLabelClick(label, open);
    QObject::connect(button, &QPushButton::clicked, label, open);
    QList<QPointer<QLabel>>& labels = linkedLabels();
    labels.removeIf([](const QPointer<QLabel>& linked) { return linked.isNull(); });
    labels << label;
}

void enableViewerOpeners()
{
    // A label's window is looked up at each close: a group may be made before it is
    // placed in its window.
    for (const QPointer<QLabel>& label : linkedLabels())
        if (label)
            label->window()->setEnabled(true);
}

} // namespace noktaris
