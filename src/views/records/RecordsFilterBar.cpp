#include "views/records/RecordsFilterBar.h"

#include "app/AppRouter.h"
#include "app/kit/AppKeys.h"
#include "app/kit/ShortcutText.h"
#include "app/records/FilterBar.h"
#include "views/kit/ElidedLabel.h"
#include "views/kit/Icons.h"
#include "views/kit/Style.h"
#include "views/kit/TextLine.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace Records;

namespace {

// A picker of the width the bar gives it, narrower only when its row runs short of room. It is never sized
// by measuring its entries: a value list may hold thousands.
class BarPicker : public QComboBox {
public:
    BarPicker(int width, int minimum, QWidget* parent)
        : QComboBox(parent), m_width(width), m_minimum(minimum) {
        setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        setMinimumContentsLength(8);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
    QSize sizeHint() const override { return {m_width, QComboBox::sizeHint().height()}; }
    QSize minimumSizeHint() const override { return {m_minimum, QComboBox::minimumSizeHint().height()}; }

private:
    int m_width;
    int m_minimum;
};

QComboBox* picker(const QString& name, const QString& title, int width, QWidget* parent, int minimum = 0) {
    auto* combo = new BarPicker(width, minimum ? minimum : width, parent);
    combo->setObjectName(name);
    combo->setAccessibleName(title);
    return combo;
}

// Fills a picker with entries unless it already holds exactly these, then shows the current one
// (none when it is not among them). Filling fires no user signal, so nothing is written back.
void showEntries(QComboBox* combo, const QList<std::pair<QString, QVariant>>& entries,
                 const QVariant& current) {
    const QSignalBlocker blocker(combo);
    bool same = combo->count() == entries.size();
    for (int i = 0; same && i < entries.size(); ++i)
        same = combo->itemText(i) == entries[i].first && combo->itemData(i) == entries[i].second;
    if (!same) {
        combo->clear();
        for (const auto& [title, data] : entries)
            combo->addItem(title, data);
    }
    combo->setCurrentIndex(combo->findData(current));
}

QVariant idData(const std::optional<QUuid>& id) {
    return id ? QVariant(*id) : QVariant();
}

QDateEdit* dateEdit(const QString& name, const QString& title, QWidget* parent) {
    auto* edit = new QDateEdit(parent);
    edit->setObjectName(name);
    edit->setAccessibleName(title);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(u"dd.MM.yyyy"_s);
    edit->setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    return edit;
}

// The shown line at its longest for the journal: every record shown, in the longest noun forms.
QString longestShownLine(Journal journal) {
    const auto longest = [](const NounForms& n) {
        const QString& form = std::max(
            {n.one, n.few, n.many}, [](const QString& a, const QString& b) { return a.size() < b.size(); });
        return NounForms{form, form, form};
    };
    journal.itemNoun = longest(journal.itemNoun);
    journal.groupNoun = longest(journal.groupNoun);
    const qsizetype all = journal.records.size();
    return FilterBar::shownLine(journal, all,
                                journal.groupFields().isEmpty() ? std::nullopt : std::optional(all));
}

} // namespace

RecordsFilterBar::RecordsFilterBar(AppRouter& router, QWidget* parent) : QWidget(parent), m_router(router) {
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(16, 12, 16, 12);
    rows->setSpacing(10);
    rows->addLayout(firstRow());
    rows->addLayout(secondRow());
    connectFirstRow();
    connectSecondRow();
}

QHBoxLayout* RecordsFilterBar::firstRow() {
    auto* first = new QHBoxLayout;
    first->setSpacing(12);
    m_search = new TextLine(this);
    m_search->setObjectName(u"search"_s);
    m_search->setAccessibleName(u"Поиск"_s);
    m_search->setPlaceholderText(withShortcut(u"Поиск по всем полям"_s, AppKeys::focusSearch()));
    m_search->addAction(Icons::icon(u"magnifyingglass"_s), QLineEdit::LeadingPosition);
    m_clearSearch = m_search->addAction(Icons::icon(u"xmark.circle.fill"_s), QLineEdit::TrailingPosition);
    m_clearSearch->setObjectName(u"clearSearch"_s);
    m_clearSearch->setToolTip(u"Очистить поиск"_s);
    m_search->setMinimumWidth(160);
    m_search->setMinimumHeight(m_search->sizeHint().height() + 6);
    first->addWidget(m_search, 1);

    m_field = picker(u"valueFieldPicker"_s, u"Поле фильтра"_s, 150, this);
    m_value = picker(u"valuePicker"_s, QString(), 180, this);
    m_valueEntries = new QStringListModel(this);
    m_value->setModel(m_valueEntries);
    if (auto* list = qobject_cast<QListView*>(m_value->view()))
        list->setUniformItemSizes(true);
    m_status = picker(u"statusPicker"_s, u"Статус"_s, 170, this);
    first->addWidget(m_field);
    first->addWidget(m_value);
    first->addWidget(m_status);
    return first;
}

QHBoxLayout* RecordsFilterBar::secondRow() {
    m_secondRow = new QHBoxLayout;
    m_secondRow->setSpacing(12);
    m_dateField = picker(u"dateFieldPicker"_s, u"Даты"_s, 250, this, 150);
    m_fromLabel = new QLabel(u"с"_s, this);
    m_from = dateEdit(u"fromDate"_s, u"с"_s, this);
    m_toLabel = new QLabel(u"по"_s, this);
    m_to = dateEdit(u"toDate"_s, u"по"_s, this);
    m_fromLabel->setBuddy(m_from);
    m_toLabel->setBuddy(m_to);
    m_link = picker(u"linkPicker"_s, u"Ссылка"_s, 150, this, 120);
    for (RecordFilters::LinkFilter filter : allLinkFilters)
        m_link->addItem(title(filter), rawValue(filter));
    m_reset = new QPushButton(u"Сбросить фильтры"_s, this);
    m_reset->setObjectName(u"resetFilters"_s);
    m_shown = new ElidedLabel(this);
    m_shown->setObjectName(u"shownLine"_s);
    Style::setSecondary(m_shown);
    m_export = new QPushButton(Icons::icon(u"square.and.arrow.up"_s), u"Экспорт показанных"_s, this);
    m_export->setObjectName(u"exportShown"_s);
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_dateField, m_fromLabel, m_from, m_toLabel, m_to, m_link, m_reset})
        m_secondRow->addWidget(w);
    m_secondRow->addStretch(1);
    m_secondRow->addWidget(m_shown);
    m_secondRow->addWidget(m_export);
    return m_secondRow;
}

void RecordsFilterBar::connectFirstRow() {
    connect(m_search, &QLineEdit::textEdited, this,
            [this](const QString& text) { write([&](RecordFilters& f) { f.search = text; }); });
    connect(m_search, &QLineEdit::returnPressed, this, &RecordsFilterBar::searchSubmitted);
    connect(m_clearSearch, &QAction::triggered, this,
            [this] { write([](RecordFilters& f) { f.search.clear(); }); });
    connect(m_field, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < m_valueFields.size()) {
            const QUuid id = m_valueFields[index].id;
            write([&](RecordFilters& f) { f = FilterBar::choosingValueField(f, id); });
        }
    });
    connect(m_value, &QComboBox::activated, this, [this](int index) {
        if (index < 0 || index > m_values.size())
            return;
        const QString value = index == 0 ? QString() : m_values[index - 1];
        write([&](RecordFilters& f) { f = FilterBar::choosingValue(f, m_journal, value); });
    });
    connect(m_status, &QComboBox::activated, this, [this](int index) {
        const QVariant id = m_status->itemData(index);
        write(
            [&](RecordFilters& f) { f.statusID = id.isValid() ? std::optional(id.toUuid()) : std::nullopt; });
    });
}

void RecordsFilterBar::connectSecondRow() {
    connect(m_dateField, &QComboBox::activated, this, [this](int index) {
        const QVariant id = m_dateField->itemData(index);
        write([&](RecordFilters& f) {
            f.dateFieldID = id.isValid() ? std::optional(id.toUuid()) : std::nullopt;
        });
    });
    // Date edits have no signal of their own for the user's edits: drawing sets them under a blocker.
    connect(m_from, &QDateEdit::dateChanged, this, [this](QDate day) {
        write([&](RecordFilters& f) { f.from = m_router.calendar().startOfDay(day); });
    });
    connect(m_to, &QDateEdit::dateChanged, this, [this](QDate day) {
        write([&](RecordFilters& f) { f.to = m_router.calendar().startOfDay(day); });
    });
    connect(m_link, &QComboBox::activated, this, [this](int index) {
        const auto filter = linkFilterFromRaw(m_link->itemData(index).toString());
        write([&](RecordFilters& f) { f.linkFilter = filter.value_or(RecordFilters::LinkFilter::any); });
    });
    connect(m_reset, &QPushButton::clicked, this, [this] {
        write(
            [this](RecordFilters& f) { f = RecordFilters::defaults(m_router.clock(), m_router.calendar()); });
    });
    connect(m_export, &QPushButton::clicked, this, &RecordsFilterBar::exportRequested);
}

void RecordsFilterBar::write(const std::function<void(RecordFilters&)>& change) {
    // A journal whose filters were never written reads fresh defaults: the first write stores them as of now.
    RecordFilters filters = m_router.filtersFor(m_journal.id);
    change(filters);
    m_router.writeFilters(m_journal.id, filters);
}

void RecordsFilterBar::showFilters(const Journal& journal, const RecordFilters& filters,
                                   const QStringList& values, const QString& shownLine, bool anyShown) {
    m_journal = journal;
    if (m_search->text() != filters.search) {
        const QSignalBlocker blocker(m_search);
        m_search->setText(filters.search);
    }
    m_clearSearch->setVisible(!filters.search.isEmpty());
    showValuePickers(filters, values);

    QList<std::pair<QString, QVariant>> statuses{{u"Все статусы"_s, QVariant()}};
    for (const StatusDef& status : journal.statuses)
        statuses.append({status.name, QVariant(status.id)});
    showEntries(m_status, statuses, idData(filters.statusID));

    const QList<FieldDef> dateFields = journal.dateFields();
    QList<std::pair<QString, QVariant>> dates{{u"Любые даты"_s, QVariant()}};
    for (const FieldDef& field : dateFields)
        dates.append({FilterBar::dateFieldTitle(field), QVariant(field.id)});
    showEntries(m_dateField, dates, idData(filters.dateFieldID));
    m_dateField->setVisible(!dateFields.isEmpty());
    const bool range = !dateFields.isEmpty() && filters.dateFieldID.has_value();
    for (QWidget* w : std::initializer_list<QWidget*>{m_fromLabel, m_from, m_toLabel, m_to})
        w->setVisible(range);
    // Only a changed date is set: setting it again would reset what the user is typing into the box.
    for (const auto& [edit, instant] : {std::pair{m_from, filters.from}, std::pair{m_to, filters.to}}) {
        if (const QDate day = m_router.calendar().day(instant); edit->date() != day) {
            const QSignalBlocker blocker(edit);
            edit->setDate(day);
        }
    }

    m_link->setVisible(!journal.linkFields().isEmpty());
    {
        const QSignalBlocker blocker(m_link);
        m_link->setCurrentIndex(m_link->findData(rawValue(filters.linkFilter)));
    }
    m_reset->setVisible(filters.isActive());
    m_shown->setText(shownLine);
    m_longestShown = longestShownLine(journal);
    m_export->setEnabled(anyShown);
    fitSecondRow();
}

void RecordsFilterBar::showValuePickers(const RecordFilters& filters, const QStringList& values) {
    m_valueFields = FilterBar::valueFields(m_journal);
    const std::optional<FieldDef> shown = FilterBar::shownValueField(m_journal, filters);
    m_field->setVisible(shown.has_value());
    m_value->setVisible(shown.has_value());
    if (!shown)
        return;
    QList<std::pair<QString, QVariant>> fields;
    for (const FieldDef& field : std::as_const(m_valueFields))
        fields.append({field.name, QVariant(field.id)});
    showEntries(m_field, fields, QVariant(shown->id));
    m_value->setAccessibleName(shown->name);

    const QSignalBlocker blocker(m_value);
    if (m_values != values || m_valueEntries->rowCount() == 0) {
        m_values = values;
        m_valueEntries->setStringList(QStringList{u"Все"_s} + values);
    }
    int current = 0;
    if (!filters.value.isEmpty()) {
        const qsizetype at = values.indexOf(filters.value);
        current = at < 0 ? -1 : int(at) + 1;
    }
    m_value->setCurrentIndex(current);
}

void RecordsFilterBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitSecondRow();
}

void RecordsFilterBar::fitSecondRow() {
    // With every filter of the second row shown, the row may not fit: the date and link pickers narrow
    // first, then the shown line is cut short, and only at the window's narrowest the export button keeps
    // its symbol alone.
    const QString title = u"Экспорт показанных"_s;
    const QMargins margins = layout()->contentsMargins();
    const int room = contentsRect().width() - margins.left() - margins.right();
    m_shown->setMinimumWidth(0);
    m_export->setText(title);
    // The row keeps its sizes until told they changed.
    m_secondRow->invalidate();
    const int cut = m_secondRow->minimumSize().width();
    // The line keeps room for its longest text, so the pickers before it stay put while the count changes.
    const int longest =
        std::max(m_shown->sizeHint().width(), m_shown->fontMetrics().horizontalAdvance(m_longestShown));
    if (cut - m_shown->minimumSizeHint().width() + longest <= room)
        m_shown->setMinimumWidth(longest);
    const bool compact = cut > room;
    m_export->setText(compact ? QString() : title);
    m_export->setToolTip(compact ? title : QString());
}

void RecordsFilterBar::focusSearch() {
    m_search->setFocus(Qt::ShortcutFocusReason);
    m_search->selectAll();
}
