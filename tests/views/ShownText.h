#pragma once

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMap>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionHeader>
#include <QToolTip>

// What a user sees of a text that may not fit: the help shown where the pointer rests, and the titles a
// header draws.

// The help a widget shows for a point when the pointer rests there; empty when it shows none. A tip shown
// before goes first, as it goes once the pointer moves on.
inline QString helpAt(QWidget* widget, const QPoint& point) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->inherits("QTipLabel"))
            delete window;
    }
    QHelpEvent event(QEvent::ToolTip, point, widget->mapToGlobal(point));
    QApplication::sendEvent(widget, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// Keeps the titles a header draws, by section, and whether each fits the room its label is drawn in;
// otherwise the style clips it at the edge. Lives as long as the header it watches.
class HeaderTitles : public QProxyStyle {
public:
    struct Drawn {
        QString text;
        bool fits = false;
    };

    explicit HeaderTitles(QHeaderView* header)
        : QProxyStyle(QApplication::style()->name()), m_header(header) {
        header->setStyle(this);
    }
    ~HeaderTitles() override {
        if (m_header)
            m_header->setStyle(nullptr);
    }
    // The titles of the sections in view, drawn afresh.
    QMap<int, Drawn> drawn() const {
        m_drawn.clear();
        (void)m_header->viewport()->grab();
        return m_drawn;
    }
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option);
            header && element == CE_HeaderLabel)
            m_drawn.insert(header->section, {header->text, header->fontMetrics.horizontalAdvance(
                                                               header->text) <= header->rect.width()});
        QProxyStyle::drawControl(element, option, painter, widget);
    }

private:
    QPointer<QHeaderView> m_header;
    mutable QMap<int, Drawn> m_drawn;
};
