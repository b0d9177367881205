#include "common/flat_tabs.h"

#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionTab>
#include <QTabBar>

namespace noktaris {

namespace {

// Flat-button tabs: every tab gets its share of the bar's width and the full bar
// height, so two-line captions never need scroll arrows or elision. The share is
// equal, or in proportion to the caption's width.
class WrappedFlatTabStyle : public QProxyStyle {
public:
    explicit WrappedFlatTabStyle(TabWidths widths) : widths_(widths) {}

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override
    {
        const auto* bar = qobject_cast<const QTabBar*>(widget);
        const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
        if (type != CT_TabBarTab || bar == nullptr || bar->count() == 0 || tab == nullptr)
            return QProxyStyle::sizeFromContents(type, option, size, widget);
        if (widths_ == TabWidths::Equal)
            return QSize(bar->width() / bar->count(), bar->height());
        const QFontMetrics metrics = bar->fontMetrics();
        int all = 0;
        for (int i = 0; i < bar->count(); ++i)
            all += metrics.horizontalAdvance(bar->tabText(i));
        const int own = metrics.horizontalAdvance(tab->text);
        return QSize(all > 0 ? bar->width() * own / all : bar->width() / bar->count(), bar->height());
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
        if (element != CE_TabBarTab || tab == nullptr) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        const QRect button = tab->rect.adjusted(1, 1, -1, -1);
        const bool selected = tab->state & State_Selected;
        painter->save();
        if (selected) {
            // The chosen set-up stays pressed in, the others lie flat.
            painter->fillRect(button, tab->palette.color(QPalette::Midlight));
            painter->setPen(tab->palette.color(QPalette::Dark));
            painter->drawLine(button.topLeft(), button.topRight());
            painter->drawLine(button.topLeft(), button.bottomLeft());
            painter->setPen(tab->palette.color(QPalette::Light));
            painter->drawLine(button.bottomLeft(), button.bottomRight());
            painter->drawLine(button.topRight(), button.bottomRight());
        } else if (tab->state & State_MouseOver) {
            painter->setPen(tab->palette.color(QPalette::Mid));
            painter->drawRect(button.adjusted(0, 0, -1, -1));
        }
        painter->setPen(tab->palette.color(tab->state & State_Enabled ? QPalette::Active : QPalette::Disabled,
                                           QPalette::WindowText));
        const QRect textRect = button.adjusted(2, 1, -2, -1).translated(selected ? 1 : 0, selected ? 1 : 0);
        painter->drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, tab->text);
        if (selected && (tab->state & State_HasFocus)) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(*tab);
            focus.rect = button.adjusted(2, 2, -2, -2);
            proxy()->drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
        }
        painter->restore();
    }

private:
    TabWidths widths_;
};

} // namespace

void makeWrappedFlatTabs(QTabBar* bar, TabWidths widths)
{
    auto* style = new WrappedFlatTabStyle(widths);
    style->setParent(bar);
    bar->setStyle(style);
    bar->setElideMode(Qt::ElideNone);
    bar->setUsesScrollButtons(false);
    bar->setAttribute(Qt::WA_Hover);
}

} // namespace noktaris
