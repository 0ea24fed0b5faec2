#pragma once

#include "app/cells/CellContent.h"
#include "views/kit/Style.h"

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMap>
#include <QPaintEngine>
#include <QPointer>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QTableView>
#include <QToolTip>
#include <gtest/gtest.h>

// What a user sees of a text that may not fit: the help shown where the pointer rests, the titles a
// header draws, the texts of table cells and where a widget draws its texts.

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

// What the cell delegate draws of a text or a status cell: its text cut with "…" to its column, 4 px from
// each edge and, in a status capsule, 8 px more a side in the callout font at medium weight.
inline QString drawnCell(const QTableView* table, const QModelIndex& index) {
    const CellContent content = index.data(CellContentRole).value<CellContent>();
    const bool badge = content.kind == CellContent::Kind::badge;
    QFont font = content.equalWidthDigits ? Style::tabularFont(table->font()) : table->font();
    if (badge) {
        font = Style::font(Style::TextStyle::callout, font);
        font.setWeight(QFont::Medium);
    }
    const int room = table->horizontalHeader()->sectionSize(index.column()) - 8 - (badge ? 16 : 0);
    return QFontMetrics(font).elidedText(content.text, Qt::ElideRight, room);
}

// Checks the text and status cells of the columns in view: one cut ends in "…" and names its whole text
// as help, one whole has none, and one with a help of its own (a long text, a link) keeps that. Gives how
// many are cut.
inline int expectCutCellsNamed(QTableView* table) {
    const QAbstractItemModel* model = table->model();
    int cut = 0;
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int c = 0; c < model->columnCount(); ++c) {
            const QModelIndex index = model->index(row, c);
            const CellContent content = index.data(CellContentRole).value<CellContent>();
            const QRect cell = table->visualRect(index);
            if ((content.kind != CellContent::Kind::text && content.kind != CellContent::Kind::badge) ||
                !table->viewport()->rect().contains(cell))
                continue;
            const QString shown = drawnCell(table, index), help = helpAt(table->viewport(), cell.center());
            if (!content.help.isEmpty())
                EXPECT_EQ(help, content.help) << row << ", " << c;
            else if (shown == content.text)
                EXPECT_EQ(help, QString()) << row << ", " << c;
            else
                EXPECT_TRUE(shown.endsWith(u'…') && help == content.text) << row << ", " << c;
            cut += shown == content.text ? 0 : 1;
        }
    }
    return cut;
}

// Keeps the titles a header draws, by section, and whether each fits the room its label is drawn in;
// otherwise the style clips it at the edge. Lives as long as the header it watches.
class HeaderTitles : public QProxyStyle {
public:
    struct Drawn {
        QString text;
        bool fits = false;
        int room = 0; // the label's width beyond the text drawn
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
    // The titles of every section, the table scrolled sideways as far as it takes to draw each, then back.
    QMap<int, Drawn> drawnAcross() const {
        QScrollBar* across =
            qobject_cast<QAbstractScrollArea*>(m_header->parentWidget())->horizontalScrollBar();
        const int kept = across->value();
        QMap<int, Drawn> titles;
        for (int at = across->minimum();; at += std::max(1, m_header->width() / 2)) {
            across->setValue(std::min(at, across->maximum()));
            titles.insert(drawn());
            if (at >= across->maximum())
                break;
        }
        across->setValue(kept);
        return titles;
    }
    // Checks every title drawn: it fits its room, and one cut ends in "…" and names its whole title as
    // help while one whole has none. Gives how many are cut.
    int expectCutTitlesNamed() const {
        int cut = 0;
        const QMap<int, Drawn> titles = drawn();
        for (auto it = titles.cbegin(); it != titles.cend(); ++it) {
            const QString title = m_header->model()->headerData(it.key(), Qt::Horizontal).toString();
            const QPoint centre(m_header->sectionViewportPosition(it.key()) +
                                    m_header->sectionSize(it.key()) / 2,
                                m_header->height() / 2);
            const QString help = helpAt(m_header->viewport(), centre);
            EXPECT_TRUE(it->fits) << "drawn whole or ending in «…», never clipped: " << title.toStdString();
            if (it->text == title)
                EXPECT_EQ(help, QString()) << title.toStdString();
            else
                EXPECT_TRUE(it->text.endsWith(u'…') && help == title) << title.toStdString();
            cut += it->text == title ? 0 : 1;
        }
        return cut;
    }
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option);
            header && element == CE_HeaderLabel)
            m_drawn.insert(header->section,
                           {header->text,
                            header->fontMetrics.horizontalAdvance(header->text) <= header->rect.width(),
                            header->rect.width() - header->fontMetrics.horizontalAdvance(header->text)});
        QProxyStyle::drawControl(element, option, painter, widget);
    }

private:
    QPointer<QHeaderView> m_header;
    mutable QMap<int, Drawn> m_drawn;
};

// A text as a widget drew it: the run's text, where it starts on its baseline (in the widget's
// coordinates) and its font. A text drawn in several runs (wrapped lines, another script or a fallback
// font) gives one each.
struct DrawnText {
    QString text;
    QPointF at;
    QFont font;
};

// Paints a widget as it would paint on screen, keeping its texts instead of pixels.
class TextRecorder : public QPaintDevice {
public:
    explicit TextRecorder(const QWidget* widget) : m_widget(widget) {}
    QPaintEngine* paintEngine() const override { return &m_engine; }
    // The texts of the widget and its children as drawn, in the order drawn.
    QList<DrawnText> record(QWidget* widget) {
        m_engine.texts.clear();
        widget->render(this);
        return m_engine.texts;
    }

protected:
    // The widget's own measures, so that fonts are laid out as on screen.
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return m_widget->width();
        case PdmHeight:
            return m_widget->height();
        case PdmWidthMM:
            return m_widget->widthMM();
        case PdmHeightMM:
            return m_widget->heightMM();
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDpiX:
            return m_widget->logicalDpiX();
        case PdmDpiY:
            return m_widget->logicalDpiY();
        case PdmPhysicalDpiX:
            return m_widget->physicalDpiX();
        case PdmPhysicalDpiY:
            return m_widget->physicalDpiY();
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    struct Engine : QPaintEngine {
        QList<DrawnText> texts;
        QTransform transform;

        Engine() : QPaintEngine(AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        Type type() const override { return User; }
        void updateState(const QPaintEngineState& state) override {
            if (state.state() & DirtyTransform)
                transform = state.transform();
        }
        void drawTextItem(const QPointF& at, const QTextItem& item) override {
            texts.append({item.text(), transform.map(at), item.font()});
        }
        // Nothing but the texts is kept.
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
        void drawTiledPixmap(const QRectF&, const QPixmap&, const QPointF&) override {}
        void drawPath(const QPainterPath&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
        void drawRects(const QRectF*, int) override {}
        void drawRects(const QRect*, int) override {}
        void drawLines(const QLineF*, int) override {}
        void drawLines(const QLine*, int) override {}
        void drawEllipse(const QRectF&) override {}
        void drawEllipse(const QRect&) override {}
        void drawPoints(const QPointF*, int) override {}
        void drawPoints(const QPoint*, int) override {}
    };

    const QWidget* m_widget;
    mutable Engine m_engine;
};

// The texts a widget draws, in the order drawn.
inline QList<DrawnText> drawnTexts(QWidget* widget) {
    return TextRecorder(widget).record(widget);
}
