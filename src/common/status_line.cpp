#include "common/status_line.h"

#include <QLabel>

namespace noktaris {

StatusLine::StatusLine(QWidget* parent, const QString& name, const QVector<PanelSpec>& panels) : QStatusBar(parent)
{
    setObjectName(name);
    setSizeGripEnabled(false);
    for (int i = 0; i < panels.size(); ++i) {
        auto* label = new QLabel(panels[i].text, this);
        label->setObjectName(name + QStringLiteral("Panel") + QString::number(i));
        label->setTextFormat(Qt::PlainText);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAlignment((panels[i].centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        const bool last = i == panels.size() - 1;
        if (last)
            label->setMinimumWidth(panels[i].width);
        else
            label->setFixedWidth(panels[i].width);
        addWidget(label, last ? 1 : 0);
        panels_ << label;
    }
}

QString StatusLine::panelText(int panel) const { return panels_.value(panel) ? panels_[panel]->text() : QString(); }

void StatusLine::setPanelText(int panel, const QString& text)
{
    if (QLabel* label = panels_.value(panel))
        label->setText(text);
}

} // namespace noktaris
