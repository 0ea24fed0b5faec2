#include "app/records/RecordActions.h"

#include "app/kit/AppKeys.h"
#include "app/kit/ShortcutText.h"
#include "core/model/NumberFormat.h"

using namespace Qt::StringLiterals;

namespace Records {

namespace RecordActions {

namespace {

constexpr int quickCount = 5;

QString statusHelp(const Journal& journal, const StatusDef& status, const QList<QKeySequence>& keys) {
    QString help = withShortcut(u"Статус «"_s + status.name + u'»', keys.first());
    // Only a date field is stamped; a status pointing elsewhere (a hand-edited file) fills nothing.
    if (const std::optional<FieldDef> field = journal.field(status.dateFieldID);
        field && field->type == FieldType::date)
        help += u". Пустое поле «"_s + field->name + u"» заполнится сегодняшней датой"_s;
    return help;
}

// The counter's field, when it is a number field: changing another type would write a number over text.
std::optional<FieldDef> counterField(const Journal& journal) {
    const std::optional<FieldDef> field = journal.field(journal.counterFieldID);
    return field && field->type == FieldType::number ? field : std::nullopt;
}

// A status repeating an id (a hand-edited file) stands at the first position of that id: only there is it
// the primary one, so that two buttons never share its key.
bool isPrimary(const Journal& journal, const StatusDef& status, int position) {
    return journal.primaryStatusID() == status.id && journal.statusIndex(status.id) == position;
}

} // namespace

QList<QKeySequence> statusShortcut(const Journal& journal, const StatusDef& status, int position) {
    if (position >= quickCount)
        return {};
    if (isPrimary(journal, status, position))
        return {AppKeys::primaryStatus(), AppKeys::primaryStatusKeypad()};
    return {AppKeys::statusAt(position)};
}

ActionBarContent actionBar(const Journal& journal, qsizetype selected, qsizetype links) {
    ActionBarContent bar;
    bar.enabled = selected > 0;
    for (int i = 0; i < journal.statuses.size(); ++i) {
        const StatusDef& status = journal.statuses[i];
        if (i >= quickCount) {
            bar.more.append(status);
            continue;
        }
        QuickStatus quick{status, i, isPrimary(journal, status, i), statusShortcut(journal, status, i), {}};
        quick.help = statusHelp(journal, status, quick.keys);
        bar.quick.append(quick);
    }
    bar.counter = counterField(journal);
    if (bar.counter) {
        bar.counterUp = {journal.counterTitle,
                         {AppKeys::counterUp()},
                         withShortcut(bar.counter->name + u": +1"_s, AppKeys::counterUp()),
                         bar.enabled};
        bar.counterDown = {u"\u22121"_s,
                           {AppKeys::counterDown()},
                           withShortcut(bar.counter->name + u": \u22121"_s, AppKeys::counterDown()),
                           bar.enabled};
    }
    if (!journal.linkFields().isEmpty()) {
        bar.link = BarCommand{u"Ссылка"_s,
                              {AppKeys::openLinks()},
                              withShortcut(u"Открыть ссылку в браузере"_s, AppKeys::openLinks()),
                              bar.enabled && links > 0};
    }
    const bool one = selected == 1;
    if (journal.perItemFields().isEmpty()) {
        bar.copy = {u"Копия"_s,
                    {AppKeys::moreLikeThis()},
                    withShortcut(u"Создать копию записи"_s, AppKeys::moreLikeThis()),
                    one};
    } else {
        bar.copy = {
            u"Ещё похожие"_s,
            {AppKeys::moreLikeThis()},
            withShortcut(u"Добавить записи с такими же общими полями, например ещё позиции того же заказа"_s,
                         AppKeys::moreLikeThis()),
            one};
    }
    bar.edit = {u"Изменить"_s,
                {AppKeys::editRecord()},
                u"Изменить запись ("_s + shortcutText(AppKeys::editRecord()) + u" или двойной щелчок)"_s,
                one};
    bar.remove = {u"Удалить"_s,
                  {AppKeys::deleteRecords()},
                  withShortcut(u"Удалить выбранные"_s, AppKeys::deleteRecords()),
                  bar.enabled};
    return bar;
}

QList<MenuEntry> contextMenu(const Journal& journal, const QSet<QUuid>& ids, const QList<QUrl>& links) {
    using Kind = MenuEntry::Kind;
    QList<MenuEntry> menu;
    if (ids.isEmpty())
        return menu;
    for (const StatusDef& status : journal.statuses)
        menu.append({Kind::status, u"Статус: "_s + status.name, status.id, {}});
    if (const std::optional<FieldDef> counter = counterField(journal)) {
        menu.append(MenuEntry{});
        menu.append({Kind::counter, journal.counterTitle + u" ("_s + counter->name.toLower() + u')', {}, {}});
    }
    if (links.size() == 1) {
        menu.append(MenuEntry{});
        menu.append({Kind::openLinks, u"Открыть ссылку"_s, {}, {}});
        menu.append({Kind::copyLink, u"Скопировать ссылку"_s, {}, links.first().toString()});
    } else if (!links.isEmpty()) {
        menu.append(MenuEntry{});
        menu.append(
            {Kind::openLinks, u"Открыть ссылки ("_s + NumberFormat::count(links.size()) + u')', {}, {}});
    }
    menu.append(MenuEntry{});
    if (const std::optional<Record> record = ids.size() == 1 ? journal.record(*ids.cbegin()) : std::nullopt) {
        menu.append({Kind::edit, u"Изменить…"_s, {}, {}});
        if (!journal.perItemFields().isEmpty())
            menu.append({Kind::moreLikeThis, u"Ещё записи с такими же общими полями…"_s, {}, {}});
        menu.append({Kind::duplicate, u"Создать копию…"_s, {}, {}});
        for (const FieldDef& field : journal.uniqueFields()) {
            // The stored text alone: a number or a date holds none, so it gets no copy item.
            if (const QString text = record->text(field.id); !text.isEmpty())
                menu.append({Kind::copyText, u"Скопировать "_s + field.name, {}, text});
        }
    }
    menu.append({Kind::remove, u"Удалить…"_s, {}, {}});
    return menu;
}

Record duplicate(const Journal& journal, const Record& record, const QDateTime& now) {
    Record copy = record;
    copy.id = QUuid::createUuid();
    copy.createdAt = now;
    for (const FieldDef& field : journal.uniqueFields())
        copy.values.remove(idText(field.id));
    return copy;
}

QString deleteTitle(const Journal& journal, qsizetype selected) {
    if (selected == 1)
        return u"Удалить выбранную запись?"_s;
    return u"Удалить "_s + journal.itemNoun.counted(selected) + u'?';
}

QString deleteMessage() {
    return u"Удалённые записи нельзя восстановить. Если нужна копия, сначала сделайте экспорт в CSV."_s;
}

} // namespace RecordActions

} // namespace Records
