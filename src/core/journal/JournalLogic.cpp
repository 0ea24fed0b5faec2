#include "journal/TextNormalizer.h"
#include "model/DateFormat.h"
#include "model/IdKey.h"
#include "model/LinkTools.h"
#include "model/Model.h"
#include "model/NumberFormat.h"

using namespace Qt::StringLiterals;

// ---- Field roles, look-ups, display values and titles ----

namespace {

template <typename Pred> QList<FieldDef> fieldsWhere(const QList<FieldDef>& fields, Pred pred) {
    QList<FieldDef> out;
    for (const FieldDef& f : fields) {
        if (pred(f))
            out.append(f);
    }
    return out;
}

template <typename T> const T* firstWithId(const QList<T>& items, const QUuid& id) {
    for (const T& item : items) {
        if (item.id == id)
            return &item;
    }
    return nullptr;
}

template <typename T> std::optional<T> copyOf(const T* item) {
    return item ? std::optional<T>(*item) : std::nullopt;
}

// The field that names records, without copying it.
const FieldDef* titleFieldOf(const Journal& journal) {
    if (journal.titleFieldID) {
        if (const FieldDef* f = firstWithId(journal.fields, *journal.titleFieldID))
            return f;
    }
    for (const FieldDef& f : journal.fields) {
        if (f.type == FieldType::text)
            return &f;
    }
    return nullptr;
}

QString displayOf(const Record& record, const FieldDef& field, const Calendar* calendar) {
    const FieldValue* v = record.value(IdKey(field.id).text());
    if (!v)
        return QString();
    switch (field.type) {
    case FieldType::text:
    case FieldType::longText:
    case FieldType::link:
    case FieldType::choice:
        return v->text.value_or(QString());
    case FieldType::number:
        return v->number ? NumberFormat::string(*v->number) : QString();
    case FieldType::date:
        if (!v->date)
            return QString();
        return calendar ? DateFormat::shortText(*v->date, *calendar) : DateFormat::shortText(*v->date);
    case FieldType::checkbox:
        return v->flag.value_or(false) ? u"да"_s : QString();
    }
    return QString();
}

} // namespace

QList<FieldDef> Journal::perItemFields() const {
    return fieldsWhere(fields, [](const FieldDef& f) { return f.isPerItem; });
}
QList<FieldDef> Journal::dateFields() const {
    return fieldsWhere(fields, [](const FieldDef& f) { return f.type == FieldType::date; });
}
QList<FieldDef> Journal::uniqueFields() const {
    return fieldsWhere(fields, [](const FieldDef& f) { return f.isUnique; });
}
QList<FieldDef> Journal::tableFields() const {
    return fieldsWhere(fields, [](const FieldDef& f) { return f.showInTable; });
}
QList<FieldDef> Journal::groupFields() const {
    return fieldsWhere(fields, [](const FieldDef& f) { return f.inGroup; });
}
QList<FieldDef> Journal::numberFields() const {
    return fieldsWhere(fields, [](const FieldDef& f) { return f.type == FieldType::number; });
}
QList<FieldDef> Journal::linkFields() const {
    return fieldsWhere(fields, [](const FieldDef& f) { return f.type == FieldType::link; });
}

std::optional<FieldDef> Journal::field(const std::optional<QUuid>& id) const {
    return id ? copyOf(firstWithId(fields, *id)) : std::nullopt;
}

std::optional<StatusDef> Journal::status(const std::optional<QUuid>& id) const {
    return id ? copyOf(firstWithId(statuses, *id)) : std::nullopt;
}

std::optional<Record> Journal::record(const QUuid& id) const {
    return copyOf(firstWithId(records, id));
}

std::optional<qsizetype> Journal::statusIndex(const std::optional<QUuid>& id) const {
    if (!id)
        return std::nullopt;
    for (qsizetype i = 0; i < statuses.size(); ++i) {
        if (statuses[i].id == *id)
            return i;
    }
    return std::nullopt;
}

QString Journal::displayValue(const Record& record, const FieldDef& field) const {
    return displayOf(record, field, nullptr);
}

QString Journal::displayValue(const Record& record, const FieldDef& field, const Calendar& calendar) const {
    return displayOf(record, field, &calendar);
}

std::optional<FieldDef> Journal::titleField() const {
    return copyOf(titleFieldOf(*this));
}

QString Journal::title(const Record& of) const {
    const FieldDef* named = titleFieldOf(*this);
    if (named) {
        QString text = displayOf(of, *named, nullptr);
        if (!text.isEmpty())
            return text;
    }
    for (const FieldDef& f : fields) {
        QString text = displayOf(of, f, nullptr);
        if (!text.isEmpty())
            return text;
    }
    return u"Без названия"_s;
}

// ---- Typed input and normalisation ----

namespace {

bool ticksCheckbox(const QString& trimmed) {
    if (trimmed == u"\u2713")
        return true;
    const QString word = TextNormalizer::reduced(trimmed);
    static const QStringList words{u"да"_s, u"1"_s, u"yes"_s, u"true"_s, u"есть"_s, u"x"_s, u"v"_s};
    return words.contains(word);
}

bool isOption(const FieldDef& field, const QString& text) {
    const QString key = TextNormalizer::compare(text);
    for (const QString& option : field.options) {
        if (TextNormalizer::compare(option) == key)
            return true;
    }
    return false;
}

} // namespace

std::optional<QString> Journal::assign(const QString& text, const FieldDef& to, Record& in) {
    return assign(text, to, in, DateFormat::defaultCalendar(), systemNow);
}

std::optional<QString> Journal::assign(const QString& text, const FieldDef& to, Record& in,
                                       const Calendar& calendar, const Clock& clock) {
    const QString x = text.trimmed();
    const QString key = idText(to.id);
    switch (to.type) {
    case FieldType::text:
    case FieldType::longText:
        in.setText(x, to.id);
        return std::nullopt;
    case FieldType::number: {
        const std::optional<double> number = x.isEmpty() ? std::nullopt : NumberFormat::parse(x);
        if (number)
            in.values.insert(key, FieldValue::ofNumber(*number));
        else
            in.values.remove(key);
        if (x.isEmpty() || number)
            return std::nullopt;
        return u"«"_s + x + u"» в поле «"_s + to.name + u"» не число"_s;
    }
    case FieldType::date: {
        const std::optional<QDateTime> day =
            x.isEmpty() ? std::nullopt : DateFormat::parse(x, calendar, clock);
        if (day)
            in.values.insert(key, FieldValue::ofDate(*day));
        else
            in.values.remove(key);
        if (x.isEmpty() || day)
            return std::nullopt;
        return u"не распознана дата «"_s + x + u"» ("_s + to.name.toLower() + u')';
    }
    case FieldType::link:
        in.setText(LinkTools::normalized(x), to.id);
        if (!LinkTools::isInvalid(x))
            return std::nullopt;
        return u"ссылка «"_s + x + u"» не похожа на адрес сайта"_s;
    case FieldType::choice:
        in.setText(x, to.id);
        if (x.isEmpty() || isOption(to, x))
            return std::nullopt;
        return u"«"_s + x + u"» нет в списке значений поля «"_s + to.name + u"»"_s;
    case FieldType::checkbox:
        if (ticksCheckbox(x))
            in.values.insert(key, FieldValue::ofFlag(true));
        else
            in.values.remove(key);
        return std::nullopt;
    }
    return std::nullopt;
}

Record Journal::normalized(const Record& record) const {
    Record out = record;
    for (const FieldDef& f : fields) {
        if (!isTextual(f.type))
            continue;
        const IdKey key(f.id);
        const FieldValue* v = out.value(key.text());
        const QString stored = v && v->text ? *v->text : QString();
        const QString cleaned = f.type == FieldType::link ? LinkTools::normalized(stored) : stored.trimmed();
        if (cleaned.isEmpty()) {
            if (v)
                out.values.remove(key.text());
        } else if (!v || *v != FieldValue::ofText(cleaned)) {
            out.values.insert(idText(f.id), FieldValue::ofText(cleaned));
        }
    }
    return out;
}

bool Journal::isEmptyContent(const Record& record) const {
    for (const FieldDef& f : fields) {
        const FieldValue* v = record.value(IdKey(f.id).text());
        if (!v)
            continue;
        if (isTextual(f.type) && v->text && !v->text->trimmed().isEmpty())
            return false;
        if (f.type == FieldType::number && v->number)
            return false;
    }
    return true;
}

// ---- New records and status changes ----

namespace {

// The status a new record starts in; a default that names no status reads as none.
std::optional<QUuid> startingStatusID(const Journal& journal) {
    if (journal.defaultStatusID && firstWithId(journal.statuses, *journal.defaultStatusID))
        return journal.defaultStatusID;
    if (!journal.statuses.isEmpty())
        return journal.statuses.first().id;
    return std::nullopt;
}

Record withStatus(const Journal& journal, const std::optional<QUuid>& statusID, const Record& record,
                  const QDateTime& date, const Calendar& calendar, const QDateTime& now) {
    Record out = record;
    out.statusID = statusID;
    out.updatedAt = now;
    const std::optional<qsizetype> position = journal.statusIndex(statusID);
    if (!position)
        return out;
    const QDateTime day = calendar.startOfDay(date);
    for (const StatusDef& s : journal.statusesFillingDates(*position)) {
        if (!s.dateFieldID)
            continue;
        // A hand-edited file may point a status at a field of another type: only date fields are stamped.
        const FieldDef* f = firstWithId(journal.fields, *s.dateFieldID);
        if (!f || f->type != FieldType::date)
            continue;
        const FieldValue* v = out.value(IdKey(f->id).text());
        if (v && v->date)
            continue;
        out.values.insert(idText(f->id), FieldValue::ofDate(day));
    }
    return out;
}

} // namespace

Record Journal::newRecord(const QDateTime& date, const Calendar& calendar, const Clock& clock) const {
    const QDateTime now = clock();
    Record blank;
    blank.id = QUuid::createUuid();
    blank.createdAt = now;
    blank.updatedAt = now;
    return withStatus(*this, startingStatusID(*this), blank, date, calendar, now);
}

Record Journal::settingStatus(const std::optional<QUuid>& statusID, const Record& on, const QDateTime& date,
                              const Calendar& calendar, const Clock& clock) const {
    return withStatus(*this, statusID, on, date, calendar, clock());
}

QList<StatusDef> Journal::statusesFillingDates(qsizetype through) const {
    if (through < 0 || through >= statuses.size())
        return {};
    if (statuses[through].fillsPreviousDates)
        return statuses.first(through + 1);
    return {statuses[through]};
}

std::optional<QUuid> Journal::primaryStatusID() const {
    if (!metrics.isEmpty() && metrics.first().dateFieldID) {
        for (const StatusDef& s : statuses) {
            if (s.dateFieldID == metrics.first().dateFieldID)
                return s.id;
        }
    }
    return startingStatusID(*this);
}

// ---- Sanitising ----

namespace {

QSet<QUuid> idsOf(const auto& items) {
    QSet<QUuid> ids;
    ids.reserve(items.size());
    for (const auto& item : items)
        ids.insert(item.id);
    return ids;
}

void keepIfIn(std::optional<QUuid>& reference, const QSet<QUuid>& ids) {
    if (reference && !ids.contains(*reference))
        reference.reset();
}

} // namespace

Journal Journal::sanitized() const {
    const QSet<QUuid> fieldIDs = idsOf(fields);
    const QSet<QUuid> dateIDs = idsOf(dateFields());
    const QSet<QUuid> numberIDs = idsOf(numberFields());
    const QSet<QUuid> statusIDs = idsOf(statuses);
    const QSet<QUuid> metricIDs = idsOf(metrics);
    // Value keys are nearly always canonical id text: those are found without parsing.
    QSet<QString> fieldKeys;
    fieldKeys.reserve(fields.size());
    for (const FieldDef& f : fields)
        fieldKeys.insert(idText(f.id));

    Journal out = *this;
    for (StatusDef& s : out.statuses)
        keepIfIn(s.dateFieldID, dateIDs);
    for (MetricDef& m : out.metrics) {
        keepIfIn(m.dateFieldID, dateIDs);
        keepIfIn(m.sumFieldID, numberIDs);
        keepIfIn(m.filterFieldID, fieldIDs);
        keepIfIn(m.statusFilterID, statusIDs);
        // An operand is another metric: never the metric itself.
        for (std::optional<QUuid>* operand : {&m.operandA, &m.operandB}) {
            if (*operand && (**operand == m.id || !metricIDs.contains(**operand)))
                operand->reset();
        }
        if (usesNumberField(m.kind) && !m.sumFieldID)
            m.kind = MetricKind::count;
    }
    keepIfIn(out.titleFieldID, fieldIDs);
    keepIfIn(out.counterFieldID, numberIDs);
    keepIfIn(out.filterFieldID, fieldIDs);
    keepIfIn(out.breakdownFieldID, fieldIDs);
    keepIfIn(out.defaultStatusID, statusIDs);

    const auto isFieldKey = [&](const QString& key) {
        if (fieldKeys.contains(key))
            return true;
        const std::optional<QUuid> id = parseId(key);
        return id && fieldIDs.contains(*id);
    };
    for (qsizetype i = 0; i < records.size(); ++i) {
        const Record& r = records[i];
        const bool danglingStatus = r.statusID && !statusIDs.contains(*r.statusID);
        bool strayValues = false;
        for (auto it = r.values.cbegin(); it != r.values.cend() && !strayValues; ++it)
            strayValues = !isFieldKey(it.key());
        if (!danglingStatus && !strayValues)
            continue;
        Record& w = out.records[i];
        if (danglingStatus)
            w.statusID.reset();
        if (strayValues)
            w.values.removeIf([&](const auto& entry) { return !isFieldKey(entry.key()); });
    }
    return out;
}
