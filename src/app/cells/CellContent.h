#pragma once

#include "core/model/Model.h"

#include <QMetaType>
#include <QString>
#include <QUrl>
#include <QVariant>

#include <optional>

// What the small cells of the records table and the import preview show, worked out without any widget:
// the table models hand it to the shared cell delegate, and tests read it directly.

// The colour a cell's text or symbol is drawn in; the delegate turns it into a colour of the palette.
enum class CellTone {
    primary,   // the text colour
    secondary, // the text colour, faded
    tertiary,  // the text colour, faded further: the "—" placeholders
    accent,    // the highlight colour: a ticked checkbox
    link,      // the link colour: the open button
    warning,   // orange
    red,       // the import preview's rows in error
    green,     // the import preview's new rows
    status,    // the status colour in CellContent::color
};

struct CellContent {
    enum class Kind {
        text,     // one line of text
        badge,    // text in a capsule tinted with the status colour
        symbol,   // a symbol alone (checkboxes)
        openLink, // a link-style button "Открыть" that opens `url`
        warning,  // a symbol and a text in orange
    };

    Kind kind = Kind::text;
    QString text;
    // The system symbol name drawn before the text, or alone; empty for none.
    QString symbol;
    // The tooltip; empty for none.
    QString help;
    CellTone tone = CellTone::primary;
    // The status colour of a badge.
    std::optional<AppColor> color;
    // Numbers are drawn with digits of equal width so columns line up.
    bool equalWidthDigits = false;
    // The address the open button opens.
    std::optional<QUrl> url;

    bool operator==(const CellContent&) const = default;
};

Q_DECLARE_METATYPE(CellContent)

// The item data role under which table models hand a CellContent to the cell delegate.
inline constexpr int CellContentRole = Qt::UserRole + 100;

// The data a table model returns for a cell: the text for display, the help text as the tooltip, the whole
// content under CellContentRole; nothing for other roles.
QVariant cellData(const CellContent& content, int role);

// The placeholder of a cell without a value: an em dash.
extern const QString emptyCellText;

namespace StatusBadge {
// A record's status as a tinted capsule with its name; without a status, a faded "—".
CellContent content(const std::optional<StatusDef>& status);
} // namespace StatusBadge

namespace LinkCell {
// An open button for a usable address (its help names the completed address), an orange "Ошибка" for a
// text that is not one, a faded "—" for an empty or blank link.
CellContent content(const QString& raw);
} // namespace LinkCell

namespace FieldCell {
// One field's value of a record as a table cell, chosen by the field's type. The journal does not change
// what is shown.
CellContent content(const Journal& journal, const Record& record, const FieldDef& field);
} // namespace FieldCell

// What the link editor row shows beside and under its text.
namespace LinkEditText {
// The address the open button opens; nothing hides the button.
std::optional<QUrl> openURL(const QString& link);
// The open button's help text: the address alone.
QString openHelp(const QUrl& url);
// The warning under the row, or nothing when the link is empty or usable.
std::optional<QString> warning(const QString& link);
// The link after pasting: the clipboard's text without control characters, completed, or nothing when the
// clipboard holds no text.
std::optional<QString> pasted(const std::optional<QString>& clipboardText);
} // namespace LinkEditText
