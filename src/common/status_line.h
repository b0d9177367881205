// The status line of the main windows: fixed-width panels of text.
#pragma once

#include <QStatusBar>
#include <QVector>

class QLabel;

namespace noktaris {

struct PanelSpec {
    int width; // pixels; the last panel takes the rest of the line
    bool centred;
    QString text;
};

class StatusLine : public QStatusBar {
    Q_OBJECT
public:
    StatusLine(QWidget* parent, const QString& name, const QVector<PanelSpec>& panels);
    int panelCount() const { return int(panels_.size()); }
    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);

private:
    QVector<QLabel*> panels_;
};

} // namespace noktaris
