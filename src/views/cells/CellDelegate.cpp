#include "views/cells/CellDelegate.h"

#include "app/cells/LinkActions.h"
#include "app/kit/PlainToolTip.h"
#include "views/cells/CellStyle.h"
#include "views/kit/Contrast.h"
#include "views/kit/Style.h"
#include "views/kit/Symbols.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int margin = 4;      // between the cell's edge and its content
constexpr int symbolSize = 16; // symbols beside or instead of text
constexpr int symbolGap = 4;   // between a symbol and its text
constexpr int badgeHPadding = 8;
constexpr int badgeVPadding = 2;

std::optional<CellContent> contentOf(const QModelIndex& index) {
    const QVariant data = index.data(CellContentRole);
    if (!data.canConvert<CellContent>())
        return std::nullopt;
    return data.value<CellContent>();
}

QFont fontFor(const CellContent& content, const QFont& base) {
    if (content.kind == CellContent::Kind::badge) {
        QFont font = Style::font(Style::TextStyle::callout, base);
        font.setWeight(QFont::Medium);
        return font;
    }
    QFont font = content.equalWidthDigits ? Style::tabularFont(base) : base;
    // The faintest text, the dash of an empty cell, is one stroke thinner than a pixel: smoothed, no pixel
    // of it would show its colour whole, and it would read fainter than its shade.
    if (content.tone == CellTone::tertiary)
        font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// A cell holding nothing but a check state (the import preview's check boxes) shows its box centred.
bool isCheckCell(const QModelIndex& index) {
    return index.data(Qt::CheckStateRole).isValid() && !index.data(CellContentRole).isValid();
}

QStyleOptionViewItem checkOption(const QStyleOptionViewItem& option, const QModelIndex& index) {
    QStyleOptionViewItem check = option;
    check.state &= ~(QStyle::State_On | QStyle::State_Off | QStyle::State_NoChange | QStyle::State_HasFocus);
    check.state |=
        index.data(Qt::CheckStateRole).toInt() == Qt::Checked ? QStyle::State_On : QStyle::State_Off;
    check.state.setFlag(QStyle::State_Enabled, index.flags().testFlag(Qt::ItemIsEnabled));
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    const QSize size(style->pixelMetric(QStyle::PM_IndicatorWidth, &check, widget),
                     style->pixelMetric(QStyle::PM_IndicatorHeight, &check, widget));
    check.rect = QStyle::alignedRect(option.direction, Qt::AlignCenter, size, option.rect);
    return check;
}

// The colour under a cell's content: the selection, a striped row's or a plain row's, as the style fills it.
QColor rowColour(const QStyleOptionViewItem& option) {
    const QPalette::ColorGroup group = !option.state.testFlag(QStyle::State_Enabled) ? QPalette::Disabled
                                       : option.state.testFlag(QStyle::State_Active) ? QPalette::Active
                                                                                     : QPalette::Inactive;
    if (option.state.testFlag(QStyle::State_Selected))
        return option.palette.color(group, QPalette::Highlight);
    return option.palette.color(group, option.features.testFlag(QStyleOptionViewItem::Alternate)
                                           ? QPalette::AlternateBase
                                           : QPalette::Base);
}

// The width of a text, rounded up so that eliding to it never cuts the text.
int textWidth(const QFont& font, const QString& text) {
    return int(std::ceil(QFontMetricsF(font).horizontalAdvance(text)));
}

// The natural size of the content alone, without the cell's margins.
QSize contentSize(const CellContent& content, const QFont& base) {
    const QFont font = fontFor(content, base);
    const int height = QFontMetrics(font).height();
    switch (content.kind) {
    case CellContent::Kind::text:
        return {textWidth(font, content.text), height};
    case CellContent::Kind::badge:
        return {textWidth(font, content.text) + 2 * badgeHPadding, height + 2 * badgeVPadding};
    case CellContent::Kind::symbol:
        return {symbolSize, symbolSize};
    case CellContent::Kind::openLink:
    case CellContent::Kind::warning:
        return {symbolSize + symbolGap + textWidth(font, content.text), std::max(symbolSize, height)};
    }
    return {};
}

// The content's rectangle in the cell: at the leading edge, centred vertically, clipped to the cell.
QRect placed(const QRect& cell, const QSize& size) {
    QRect area(cell.left() + margin, cell.top() + (cell.height() - size.height()) / 2, size.width(),
               size.height());
    return area.intersected(cell.adjusted(margin, 0, -margin, 0));
}

// Where the content's text is drawn in a cell whose content lies in `area`: inside its capsule, beside its
// symbol, or across the cell.
QRect textAreaOf(const QRect& cell, const QRect& area, const CellContent& content) {
    switch (content.kind) {
    case CellContent::Kind::text:
        return cell.adjusted(margin, 0, -margin, 0);
    case CellContent::Kind::badge:
        return area.adjusted(badgeHPadding, 0, -badgeHPadding, 0);
    case CellContent::Kind::openLink:
    case CellContent::Kind::warning:
        return area.adjusted(symbolSize + symbolGap, 0, 0, 0);
    case CellContent::Kind::symbol:
        break;
    }
    return {};
}

// The text as the cell draws it in its room: one line, ending in "…" where the room or the line runs out.
QString shownText(const CellContent& content, const QFont& font, int room) {
    QString text = content.text;
    if (content.kind == CellContent::Kind::text) {
        const QString firstLine = text.section(u'\n', 0, 0);
        if (firstLine != text)
            text = firstLine + u"…"_s;
    }
    return QFontMetrics(font).elidedText(text, Qt::ElideRight, std::max(room, 0));
}

void drawSymbolAndText(QPainter* painter, const QRect& cell, const QRect& area, const CellContent& content,
                       const QColor& colour, const QFont& font, qreal dpr) {
    const QPixmap pixmap = Symbols::symbol(content.symbol, colour, symbolSize, dpr);
    const int symbolTop = area.top() + (area.height() - symbolSize) / 2;
    if (!pixmap.isNull())
        painter->drawPixmap(QRect(area.left(), symbolTop, symbolSize, symbolSize), pixmap);
    if (content.text.isEmpty())
        return;
    const QRect textArea = textAreaOf(cell, area, content);
    painter->setFont(font);
    painter->setPen(colour);
    painter->drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      shownText(content, font, textArea.width()));
}

} // namespace

QRect CellDelegate::linkArea(const QStyleOptionViewItem& option, const CellContent& content) {
    if (content.kind != CellContent::Kind::openLink)
        return {};
    return placed(option.rect, contentSize(content, option.font));
}

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    const std::optional<CellContent> content = contentOf(index);
    const bool check = isCheckCell(index);
    if (!content && !check) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The row's background and selection as the style draws them, without its text.
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    background.icon = QIcon();
    background.features &= ~QStyleOptionViewItem::HasCheckIndicator;
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);
    if (check) {
        const QStyleOptionViewItem box = checkOption(option, index);
        style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, painter, widget);
        return;
    }

    const bool selected = option.state.testFlag(QStyle::State_Selected);
    // Faint tones are translucent; drawn as they show on the row, since a glyph drawn without antialiasing
    // lays a translucent colour down unblended.
    const QColor colour = Contrast::over(
        CellStyle::toneColor(content->tone, option.palette, content->color, selected), rowColour(option));
    const QFont font = fontFor(*content, option.font);
    const QRect area = placed(option.rect, contentSize(*content, option.font));
    const QRect textArea = textAreaOf(option.rect, area, *content);
    const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setClipRect(option.rect);
    switch (content->kind) {
    case CellContent::Kind::text:
        painter->setFont(font);
        painter->setPen(colour);
        painter->drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          shownText(*content, font, textArea.width()));
        break;
    case CellContent::Kind::badge: {
        const CellStyle::BadgeLook look = CellStyle::badgeLook(colour, option.palette, selected);
        QPainterPath capsule;
        capsule.addRoundedRect(QRectF(area), area.height() / 2.0, area.height() / 2.0);
        painter->fillPath(capsule, look.fill);
        painter->setFont(font);
        painter->setPen(look.text);
        painter->drawText(textArea, Qt::AlignCenter | Qt::TextSingleLine,
                          shownText(*content, font, textArea.width()));
        break;
    }
    case CellContent::Kind::symbol:
    case CellContent::Kind::openLink:
    case CellContent::Kind::warning:
        drawSymbolAndText(painter, option.rect, area, *content, colour, font, dpr);
        break;
    }
    painter->restore();
}

QSize CellDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const std::optional<CellContent> content = contentOf(index);
    if (!content)
        return QStyledItemDelegate::sizeHint(option, index);
    const QSize size = contentSize(*content, option.font);
    return {size.width() + 2 * margin, std::max(size.height(), option.fontMetrics.height()) + 2 * margin};
}

int CellDelegate::widthOf(const CellContent& content, const QFont& font) {
    return contentSize(content, font).width() + 2 * margin;
}

int CellDelegate::widestBadge(const QList<StatusDef>& statuses, const QFont& font) {
    int widest = 0;
    for (const StatusDef& status : statuses)
        widest = std::max(widest, widthOf(StatusBadge::content(status), font));
    return widest;
}

bool CellDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                             const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QString help = index.data(Qt::ToolTipRole).toString();
    // Measured only now: which of thousands of rows are cut changes with every width and every filter.
    if (const std::optional<CellContent> content = contentOf(index);
        help.isEmpty() && content && !content->text.isEmpty()) {
        const QRect area = placed(option.rect, contentSize(*content, option.font));
        const int room = textAreaOf(option.rect, area, *content).width();
        if (shownText(*content, fontFor(*content, option.font), room) != content->text)
            help = plainToolTip(content->text);
    }
    if (help.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return false;
    }
    QToolTip::showText(event->globalPos(), help, view->viewport(), option.rect);
    return true;
}

bool CellDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                               const QModelIndex& index) {
    if (isCheckCell(index))
        return checkEvent(event, model, option, index);
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const std::optional<CellContent> content = contentOf(index);
        if (mouse->button() == Qt::LeftButton && content && content->url &&
            linkArea(option, *content).contains(mouse->position().toPoint())) {
            LinkActions::open({*content->url});
            return true;
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

bool CellDelegate::checkEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                              const QModelIndex& index) {
    const Qt::ItemFlags flags = index.flags();
    if (!flags.testFlag(Qt::ItemIsUserCheckable) || !flags.testFlag(Qt::ItemIsEnabled))
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
        // Only a click on the box itself toggles it, as on a check box beside a label.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton ||
            !checkOption(option, index).rect.contains(mouse->position().toPoint()))
            return false;
        if (event->type() != QEvent::MouseButtonRelease)
            return true;
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Space && key != Qt::Key_Select)
            return false;
        break;
    }
    default:
        return false;
    }
    const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    return model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}
