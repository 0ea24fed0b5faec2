#include "views/shell/SidebarView.h"

#include "app/AppRouter.h"
#include "app/kit/AppKeys.h"
#include "app/kit/ShortcutText.h"
#include "app/shell/AppCommands.h"
#include "core/store/AppStore.h"
#include "views/kit/Contrast.h"
#include "views/kit/Icons.h"
#include "views/kit/Style.h"
#include "views/shell/JournalListModel.h"

#include <QApplication>
#include <QDrag>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

void JournalListView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton) {
        m_pressPosition = event->position().toPoint();
        m_pressed = indexAt(m_pressPosition);
    }
    QListView::mousePressEvent(event);
}

void JournalListView::mouseMoveEvent(QMouseEvent* event) {
    // Qt's own drag would carry the selected rows, which the press no longer changes.
    if (event->buttons().testFlag(Qt::LeftButton) && m_pressed.isValid()) {
        if ((event->position().toPoint() - m_pressPosition).manhattanLength() >=
            QApplication::startDragDistance())
            startDrag(model()->supportedDragActions());
        return;
    }
    QListView::mouseMoveEvent(event);
}

void JournalListView::startDrag(Qt::DropActions supportedActions) {
    const QModelIndex dragged = std::exchange(m_pressed, {});
    if (!dragged.isValid())
        return;
    QMimeData* data = model()->mimeData({dragged});
    if (!data)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    const QRect row = visualRect(dragged);
    drag->setPixmap(viewport()->grab(row));
    drag->setHotSpot(m_pressPosition - row.topLeft());
    drag->exec(supportedActions, Qt::MoveAction);
}

QItemSelectionModel::SelectionFlags JournalListView::selectionCommand(const QModelIndex& index,
                                                                      const QEvent* event) const {
    if (!event)
        return QListView::selectionCommand(index, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        // The press may begin a drag: wait for the release.
        return QItemSelectionModel::NoUpdate;
    case QEvent::MouseButtonRelease:
        if (index.isValid())
            return QItemSelectionModel::ClearAndSelect;
        // A click on the empty part of the list, below the rows, leaves no journal selected; a press that
        // began on a row and slipped off it does not.
        return m_pressed.isValid() ? QItemSelectionModel::NoUpdate : QItemSelectionModel::Clear;
    default:
        return QListView::selectionCommand(index, event);
    }
}

namespace {

// A row: the journal's icon and name, and at the trailing edge a capsule with its record count.
class JournalRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        const QFontMetrics metrics(rowFont(option.font));
        return QSize(200, metrics.height() + 14);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        const QRect frame = option.rect.adjusted(6, 1, -6, -1);
        if (selected) {
            QPainterPath path;
            path.addRoundedRect(frame, 6, 6);
            painter->fillPath(path, Style::color(Style::Role::accent, palette));
        } else if (option.state & QStyle::State_MouseOver) {
            QColor hover = Style::color(Style::Role::accent, palette);
            hover.setAlphaF(0.10);
            QPainterPath path;
            path.addRoundedRect(frame, 6, 6);
            painter->fillPath(path, hover);
        }
        const QColor text = palette.color(selected ? QPalette::HighlightedText : QPalette::Text);

        const int iconSize = 20;
        QRect content = frame.adjusted(10, 0, -8, 0);
        const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
        const QRect iconRect(content.left(), content.center().y() - iconSize / 2 + 1, iconSize, iconSize);
        if (!icon.isNull())
            icon.paint(painter, iconRect, Qt::AlignCenter, selected ? QIcon::Selected : QIcon::Normal);
        content.setLeft(iconRect.right() + 10);

        const QString badge = index.data(JournalListModel::BadgeRole).toString();
        if (!badge.isEmpty()) {
            QFont badgeFont = Style::font(Style::TextStyle::callout, option.font);
            const QFontMetrics bm(badgeFont);
            const int w = std::max(bm.horizontalAdvance(badge) + 14, 24);
            const int h = bm.height() + 4;
            const QRect badgeRect(content.right() - w, content.center().y() - h / 2 + 1, w, h);
            // On the selected row the count stands on a deeper shade of the accent, where the highlighted
            // text reads better still; elsewhere on a faint grey.
            const QColor accent = Style::color(Style::Role::accent, palette);
            QColor fill = palette.color(QPalette::Text);
            fill.setAlphaF(0.09);
            if (selected)
                fill = Contrast::shade(accent, {text}, Contrast::ratio(text, accent) + 1.5);
            QPainterPath path;
            path.addRoundedRect(badgeRect, h / 2.0, h / 2.0);
            painter->fillPath(path, fill);
            QColor badgeText = text;
            if (!selected)
                badgeText.setAlphaF(0.7);
            painter->setPen(badgeText);
            painter->setFont(badgeFont);
            painter->drawText(badgeRect, Qt::AlignCenter, badge);
            content.setRight(badgeRect.left() - 8);
        }

        const QFont font = rowFont(option.font);
        painter->setFont(font);
        painter->setPen(text);
        const QString name = QFontMetrics(font).elidedText(index.data(Qt::DisplayRole).toString(),
                                                           Qt::ElideRight, content.width());
        painter->drawText(content, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, name);
        painter->restore();
    }

private:
    static QFont rowFont(const QFont& base) { return Style::font(Style::TextStyle::title3, base); }
};

} // namespace

SidebarView::SidebarView(AppStore& store, AppRouter& router, AppCommands& commands, QWidget* parent)
    : QWidget(parent), m_store(store), m_router(router), m_commands(commands) {
    setObjectName(u"sidebar"_s);
    // A slightly deeper shade than the detail column sets the sidebar apart, as on other desktops.
    Style::setBackground(this, Style::color(Style::Role::sidebar, this));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 8, 0, 0);
    layout->setSpacing(4);

    auto* header = new QLabel(u"Журналы"_s, this);
    Style::setText(header, Style::TextStyle::caption, true);
    Style::setSecondary(header);
    header->setContentsMargins(16, 4, 16, 2);
    layout->addWidget(header);

    m_model = new JournalListModel(store, this);
    m_list = new JournalListView(this);
    m_list->setObjectName(u"journalList"_s);
    m_list->setModel(m_model);
    m_list->setItemDelegate(new JournalRowDelegate(m_list));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setDragDropMode(QAbstractItemView::InternalMove);
    m_list->setDefaultDropAction(Qt::MoveAction);
    m_list->setDragEnabled(true);
    m_list->setDropIndicatorShown(true);
    m_list->setMouseTracking(true);
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->viewport()->setAutoFillBackground(false);
    layout->addWidget(m_list, 1);

    auto* footer = new QWidget(this);
    auto* footerLayout = new QVBoxLayout(footer);
    footerLayout->setContentsMargins(12, 12, 12, 12);
    footerLayout->setSpacing(10);
    auto* create = new QPushButton(Icons::icon(u"plus"_s), u"Новый журнал"_s, footer);
    create->setObjectName(u"newJournal"_s);
    create->setAutoDefault(false);
    create->setToolTip(withShortcut(u"Создать журнал из шаблона"_s, AppKeys::newJournal()));
    Style::makeLarge(create);
    footerLayout->addWidget(create);
    layout->addWidget(footer);

    connect(create, &QPushButton::clicked, this, [this] { m_router.requestNewJournal(); });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SidebarView::userSelected);
    connect(m_model, &QAbstractItemModel::modelReset, this, &SidebarView::showSelection);
    connect(&m_router, &AppRouter::selectedJournalIDChanged, this, &SidebarView::showSelection);
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        const QModelIndex index = m_list->indexAt(pos);
        if (!index.isValid())
            return;
        QMenu* menu = contextMenu(index.data(JournalListModel::JournalIDRole).toUuid(), this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(m_list->viewport()->mapToGlobal(pos));
    });
    showSelection();
}

QMenu* SidebarView::contextMenu(const QUuid& journalID, QWidget* parent) {
    auto* menu = new QMenu(parent);
    // The menu's commands work on its journal while it exists.
    menu->addActions(m_commands.journalMenu(journalID, menu));
    return menu;
}

void SidebarView::showSelection() {
    const QSignalBlocker blocker(m_list->selectionModel());
    const std::optional<QUuid> selected = m_router.selectedJournalID();
    const int row = selected ? m_model->rowOf(*selected) : -1;
    if (row < 0) {
        m_list->selectionModel()->clear();
    } else {
        const QModelIndex index = m_model->index(row);
        m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        m_list->scrollTo(index);
    }
    m_list->viewport()->update();
}

void SidebarView::userSelected() {
    const QModelIndexList rows = m_list->selectionModel()->selectedIndexes();
    if (rows.isEmpty())
        m_router.setSelectedJournalID(std::nullopt);
    else
        m_router.setSelectedJournalID(rows.first().data(JournalListModel::JournalIDRole).toUuid());
}
