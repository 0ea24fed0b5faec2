#include "views/records/BatchRowList.h"

#include "app/records/BatchRows.h"
#include "views/kit/SheetForm.h"
#include "views/kit/Style.h"
#include "views/records/BatchRowWidget.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;
using namespace Records;

namespace {

// Between the column titles and the rows, and between two rows.
constexpr int rowSpacing = 6;
// Spacing of a row's parts, as BatchRowWidget lays them out: the line over its warnings, the warnings,
// and a warning's symbol before its text.
constexpr int linesGap = 4;
constexpr int warningGap = 2;
constexpr int symbolGap = 6;

} // namespace

BatchRowList::BatchRowList(const Journal& journal, const BatchRows& rows, QScrollArea* scroll,
                           QWidget* parent)
    : QWidget(parent), m_journal(journal), m_rows(rows), m_scroll(scroll), m_header(new QWidget(this)),
      m_headerNumber(new QLabel(u"№"_s, m_header)) {
    {
        const QLineEdit cell(this);
        m_widths = BatchRowWidget::columnWidths(journal, cell);
    }
    auto* line = new QHBoxLayout(m_header);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(8);
    const auto caption = [this](QLabel* label) {
        Style::setText(label, Style::TextStyle::caption, true);
        Style::setSecondary(label);
        return label;
    };
    QList<QWidget*> names;
    for (const FieldDef& f : journal.perItemFields())
        names.append(caption(new QLabel(f.name, m_header)));
    BatchRowWidget::addColumns(line, journal, m_widths, caption(m_headerNumber), names,
                               new QWidget(m_header));
    m_numberWidth = BatchRowWidget::numberWidth(fontMetrics(), 0);
    m_headerNumber->setFixedWidth(m_numberWidth);
    m_header->hide();

    // A first row, shown once there are rows, gives the height of a row without lines and the least width
    // of a row.
    BatchRowWidget* first = make(-1);
    m_rowHeight = first->sizeHint().height();
    m_rowWidth = std::max(first->minimumSizeHint().width(), m_header->minimumSizeHint().width());
    m_spare.append(first);

    connect(scroll->verticalScrollBar(), &QScrollBar::valueChanged, this, &BatchRowList::place);
    scroll->viewport()->installEventFilter(this);
    setFocusPolicy(Qt::NoFocus);
}

QSize BatchRowList::sizeHint() const {
    return {m_rowWidth, m_tops.isEmpty() ? 0 : m_tops.last()};
}

QSize BatchRowList::minimumSizeHint() const {
    return sizeHint();
}

// ---- Rows and their heights ----

void BatchRowList::reset() {
    const int number = BatchRowWidget::numberWidth(fontMetrics(), m_rows.size());
    if (number != m_numberWidth) {
        // The widest row number, 5000 or 12000, is shown whole; the titles keep over their cells.
        m_rowWidth += number - m_numberWidth;
        m_numberWidth = number;
        m_headerNumber->setFixedWidth(number);
        for (BatchRowWidget* row : std::as_const(m_shown))
            row->setNumberWidth(number);
        for (BatchRowWidget* row : std::as_const(m_spare))
            row->setNumberWidth(number);
    }
    for (BatchRowWidget* row : m_shown.values()) {
        const qsizetype position = m_rows.indexOf(row->rowID());
        if (position < 0)
            release(row);
        else
            fill(row, position);
    }
    m_header->setVisible(!m_rows.isEmpty());
    // The list takes Tab on to its first or last row (focusInEvent); without rows it is passed over.
    setFocusPolicy(m_rows.isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
    m_heights.resize(m_rows.size());
    for (qsizetype i = 0; i < m_rows.size(); ++i)
        measure(i);
    stack();
    place();
}

void BatchRowList::updateRows(const QList<qsizetype>& positions) {
    for (qsizetype position : positions) {
        if (BatchRowWidget* row = m_shown.value(m_rows.at(position).id))
            row->showLines(m_rows.lines(position));
        measure(position);
    }
    stack();
    place();
}

void BatchRowList::updateAll() {
    for (BatchRowWidget* row : std::as_const(m_shown))
        row->showPrompts(m_rows.templateRecord());
    QList<qsizetype> all(m_rows.size());
    std::iota(all.begin(), all.end(), 0);
    updateRows(all);
}

int BatchRowList::estimatedHeight(qsizetype position) const {
    if (!m_rows.hasLines(position))
        return m_rowHeight;
    // A warning's text wraps beside its symbol, under the cells.
    const QFont font = Style::font(Style::TextStyle::callout, this->font());
    const QFontMetrics metrics(font);
    const int symbol = metrics.height();
    const int textWidth =
        std::max(std::max(width(), m_rowWidth) - m_numberWidth - 8 - symbol - symbolGap, 80);
    int height = m_rowHeight + linesGap;
    const QStringList lines = m_rows.lines(position);
    for (const QString& line : lines) {
        const QRect text = metrics.boundingRect(QRect(0, 0, textWidth, 1 << 20), Qt::TextWordWrap, line);
        height += std::max(symbol, text.height());
    }
    return height + warningGap * int(lines.size() - 1);
}

void BatchRowList::measure(qsizetype position) {
    // A shown row says what it needs; the others are estimated alike, and measured once they are shown.
    const BatchRowWidget* row = m_shown.value(m_rows.at(position).id);
    int height = -1;
    if (row && m_rows.hasLines(position))
        height = row->heightForWidth(std::max(width(), m_rowWidth));
    m_heights[position] = height > 0 ? height : estimatedHeight(position);
}

void BatchRowList::stack() {
    m_tops.resize(m_rows.size() + 1);
    int y = m_header->isVisibleTo(this) ? m_header->sizeHint().height() + rowSpacing : 0;
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        m_tops[i] = y;
        y += m_heights[i] + rowSpacing;
    }
    m_tops.last() = m_rows.isEmpty() ? 0 : y - rowSpacing;
    if (height() != m_tops.last())
        updateGeometry();
}

qsizetype BatchRowList::rowAt(int y) const {
    // The last row whose top is at or above y.
    const auto after = std::upper_bound(m_tops.cbegin(), m_tops.cend() - 1, y);
    return std::max<qsizetype>(0, after - m_tops.cbegin() - 1);
}

// ---- Widgets for the rows in view ----

void BatchRowList::place() {
    if (m_placing)
        return;
    m_placing = true;
    const int rowWidth = std::max(width(), m_rowWidth);
    m_header->setGeometry(0, 0, rowWidth, m_header->sizeHint().height());
    QWidget* focus = window()->focusWidget();
    qsizetype first = 0, last = -1;
    if (!m_rows.isEmpty()) {
        // The rows in view and a view's height of rows on either side, so a scroll by a page shows rows
        // already made.
        const QWidget* viewport = m_scroll->viewport();
        const int top = mapFrom(viewport, QPoint(0, 0)).y();
        first = rowAt(top - viewport->height());
        last = rowAt(top + 2 * viewport->height());
    }
    for (BatchRowWidget* row : m_shown.values()) {
        const qsizetype position = m_rows.indexOf(row->rowID());
        // The row being typed in stays, wherever the form has scrolled.
        if ((position < first || position > last) && !(focus && row->isAncestorOf(focus)))
            release(row);
    }
    bool remeasured = false;
    for (qsizetype i = first; i <= last; ++i) {
        if (m_shown.contains(m_rows.at(i).id))
            continue;
        make(i);
        const int estimate = m_heights[i];
        measure(i);
        remeasured = remeasured || m_heights[i] != estimate;
    }
    if (remeasured)
        stack();
    arrange();
    m_placing = false;
}

void BatchRowList::arrange() {
    const int rowWidth = std::max(width(), m_rowWidth);
    for (BatchRowWidget* row : std::as_const(m_shown)) {
        const qsizetype i = m_rows.indexOf(row->rowID());
        row->setGeometry(0, m_tops[i], rowWidth, m_heights[i]);
    }
}

BatchRowWidget* BatchRowList::make(qsizetype position) {
    BatchRowWidget* row = nullptr;
    if (!m_spare.isEmpty() && position >= 0) {
        row = m_spare.takeLast();
    } else {
        row = new BatchRowWidget(m_journal, m_widths, this);
        row->setNumberWidth(m_numberWidth);
        row->hide();
        connect(row, &BatchRowWidget::cellEdited, this, &BatchRowList::cellEdited);
        connect(row, &BatchRowWidget::deleteRequested, this, &BatchRowList::deleteRequested);
    }
    if (position >= 0) {
        row->showPrompts(m_rows.templateRecord());
        fill(row, position);
        m_shown.insert(m_rows.at(position).id, row);
    }
    return row;
}

void BatchRowList::fill(BatchRowWidget* row, qsizetype position) {
    row->showRow(m_rows.at(position), position);
    row->showLines(m_rows.lines(position));
}

void BatchRowList::release(BatchRowWidget* row) {
    // A row going while the focus is in it hands the focus to the list, so it does not go on through the
    // window's Tab order; the sheet puts it where it belongs.
    if (const QWidget* focus = window()->focusWidget(); focus && row->isAncestorOf(focus))
        setFocus(Qt::OtherFocusReason);
    row->hide();
    m_shown.remove(row->rowID());
    m_spare.append(row);
}

BatchRowWidget* BatchRowList::showRow(qsizetype position) {
    // Scrolled so the whole row is in view, its lines included, then made with the rows around it.
    if (QWidget* content = m_scroll->widget()) {
        const QPoint at = mapTo(content, QPoint(0, m_tops[position]));
        const int half = m_heights[position] / 2;
        m_scroll->ensureVisible(at.x(), at.y() + half, 0, half + rowSpacing);
    }
    place();
    BatchRowWidget* row = m_shown.value(m_rows.at(position).id);
    if (!row) {
        // Below what the form has laid out so far: made where it will stand.
        row = make(position);
        measure(position);
        stack();
        arrange();
    }
    return row;
}

void BatchRowList::focusRow(qsizetype position, qsizetype stop) {
    // Rows just made lie below what the form has laid out so far: the form is laid out now, so it can
    // scroll to the row at once.
    SheetForm::layOutNow([this] { return height() == m_tops.last(); });
    const QList<QWidget*> stops = showRow(position)->focusStops();
    stops[std::clamp<qsizetype>(stop, 0, stops.size() - 1)]->setFocus();
}

// ---- Keyboard ----

BatchRowWidget* BatchRowList::rowHolding(const QWidget* widget) const {
    for (; widget && widget != this; widget = widget->parentWidget()) {
        if (widget->parentWidget() == this) {
            auto* row = qobject_cast<BatchRowWidget*>(const_cast<QWidget*>(widget));
            return row && m_shown.value(row->rowID()) == row ? row : nullptr;
        }
    }
    return nullptr;
}

bool BatchRowList::focusNextPrevChild(bool next) {
    QWidget* focus = window()->focusWidget();
    BatchRowWidget* row = rowHolding(focus);
    const qsizetype position = row ? m_rows.indexOf(row->rowID()) : -1;
    const qsizetype stop = row ? row->focusStops().indexOf(focus) : -1;
    if (position < 0 || stop < 0)
        return QWidget::focusNextPrevChild(next);
    const int step = next ? 1 : -1;
    QWidget* target = nullptr;
    if (const QList<QWidget*> stops = row->focusStops(); stop + step >= 0 && stop + step < stops.size()) {
        target = stops[stop + step];
    } else if (position + step >= 0 && position + step < m_rows.size()) {
        const QList<QWidget*> stops = showRow(position + step)->focusStops();
        target = next ? stops.first() : stops.last();
    } else {
        // Out of the list: on from the list itself through the window's Tab order, where the list stands
        // between the quick lists and the button that adds a row.
        setFocus(Qt::OtherFocusReason);
        return QWidget::focusNextPrevChild(next);
    }
    target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    m_scroll->ensureWidgetVisible(target, 0, rowSpacing);
    return true;
}

void BatchRowList::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (m_rows.isEmpty())
        return;
    // Tab into the list goes to the first cell of the first row, Shift+Tab to the end of the last row.
    if (event->reason() == Qt::TabFocusReason) {
        showRow(0)->focusStops().first()->setFocus(Qt::TabFocusReason);
    } else if (event->reason() == Qt::BacktabFocusReason) {
        showRow(m_rows.size() - 1)->focusStops().last()->setFocus(Qt::BacktabFocusReason);
    }
}

// ---- Following the view ----

void BatchRowList::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (event->oldSize().width() != width()) {
        // Warnings wrap anew at another width.
        for (qsizetype i = 0; i < m_rows.size(); ++i) {
            if (m_rows.hasLines(i))
                measure(i);
        }
        stack();
    }
    place();
}

void BatchRowList::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    place();
}

void BatchRowList::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The form around the list is in its scroll area by now.
    if (QWidget* content = m_scroll->widget(); content && content != m_watched) {
        content->installEventFilter(this);
        m_watched = content;
    }
    place();
}

bool BatchRowList::eventFilter(QObject* watched, QEvent* event) {
    // The view grew, or the form around the list moved it (a quick list taking lines).
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
        place();
    return QWidget::eventFilter(watched, event);
}
