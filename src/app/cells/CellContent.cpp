#include "app/cells/CellContent.h"

#include "app/kit/PlainToolTip.h"

#include "core/model/DateFormat.h"
#include "core/model/LinkTools.h"
#include "core/model/NumberFormat.h"
#include "core/model/TypedText.h"

#include <QTextDocument>

using namespace Qt::StringLiterals;

const QString emptyCellText = u"\u2014"_s;

namespace {

CellContent placeholder() {
    CellContent content;
    content.text = emptyCellText;
    content.tone = CellTone::tertiary;
    return content;
}

} // namespace

QVariant cellData(const CellContent& content, int role) {
    switch (role) {
    case Qt::DisplayRole:
        return content.text;
    case Qt::ToolTipRole:
        return content.help.isEmpty() ? QVariant() : QVariant(plainToolTip(content.help));
    case CellContentRole:
        return QVariant::fromValue(content);
    default:
        return {};
    }
}

CellContent StatusBadge::content(const std::optional<StatusDef>& status) {
    if (!status)
        return placeholder();
    CellContent content;
    content.kind = CellContent::Kind::badge;
    content.text = status->name;
    content.tone = CellTone::status;
    content.color = status->color;
    return content;
}

CellContent LinkCell::content(const QString& raw) {
    if (const std::optional<QUrl> url = LinkTools::url(raw)) {
        CellContent content;
        content.kind = CellContent::Kind::openLink;
        content.text = u"Открыть"_s;
        content.symbol = u"arrow.up.right.square"_s;
        // The completed address, which is what opens, rather than the text as stored.
        content.help = u"Открыть: "_s + url->toString();
        content.tone = CellTone::link;
        content.url = url;
        return content;
    }
    if (LinkTools::isInvalid(raw)) {
        CellContent content;
        content.kind = CellContent::Kind::warning;
        content.text = u"Ошибка"_s;
        content.symbol = u"exclamationmark.triangle"_s;
        content.help = u"Ссылка не похожа на адрес сайта: "_s + raw;
        content.tone = CellTone::warning;
        return content;
    }
    return placeholder();
}

CellContent FieldCell::content(const Journal&, const Record& record, const FieldDef& field) {
    CellContent content;
    switch (field.type) {
    case FieldType::text:
    case FieldType::choice:
        content.text = record.text(field.id);
        break;
    case FieldType::longText:
        // The cell shows one line; the tooltip carries the whole text.
        content.text = record.text(field.id);
        content.help = content.text;
        break;
    case FieldType::number: {
        const std::optional<double> number = record.number(field.id);
        if (!number)
            return placeholder();
        content.text = NumberFormat::display(number, field.unit, 2);
        content.equalWidthDigits = true;
        break;
    }
    case FieldType::date: {
        const std::optional<QDateTime> date = record.date(field.id);
        if (!date)
            return placeholder();
        content.text = DateFormat::shortText(*date);
        break;
    }
    case FieldType::link:
        return LinkCell::content(record.text(field.id));
    case FieldType::checkbox:
        content.kind = CellContent::Kind::symbol;
        if (record.flag(field.id)) {
            content.symbol = u"checkmark.square.fill"_s;
            content.tone = CellTone::accent;
        } else {
            content.symbol = u"square"_s;
            content.tone = CellTone::secondary;
        }
        break;
    }
    return content;
}

std::optional<QUrl> LinkEditText::openURL(const QString& link) {
    return LinkTools::url(link);
}

QString LinkEditText::openHelp(const QUrl& url) {
    return url.toString();
}

std::optional<QString> LinkEditText::warning(const QString& link) {
    if (!LinkTools::isInvalid(link))
        return std::nullopt;
    return u"Не похоже на адрес сайта. Пример: https://example.com/…"_s;
}

std::optional<QString> LinkEditText::pasted(const std::optional<QString>& clipboardText) {
    if (!clipboardText)
        return std::nullopt;
    return LinkTools::normalized(TypedText::cleaned(*clipboardText));
}
