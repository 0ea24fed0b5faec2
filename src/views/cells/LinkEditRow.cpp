#include "views/cells/LinkEditRow.h"

#include "app/cells/CellContent.h"
#include "app/cells/LinkActions.h"
#include "app/kit/ShortcutText.h"
#include "core/model/LinkTools.h"
#include "views/cells/WarningLabel.h"
#include "views/kit/SymbolButton.h"
#include "views/kit/TextLine.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QPushButton* rowButton(const QString& symbol, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    setSymbol(button, symbol);
    button->setAutoDefault(false);
    return button;
}

} // namespace

LinkEditRow::LinkEditRow(const QString& title, const QString& prompt, QWidget* parent)
    : QWidget(parent), m_title(new QLabel(literalLabel(title), this)), m_field(new TextLine(this)),
      m_paste(rowButton(u"doc.on.clipboard"_s, u"Вставить"_s, this)),
      m_open(rowButton(u"arrow.up.right.square"_s, u"Открыть"_s, this)),
      m_warning(new WarningLabel({}, this)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    auto* row = new QHBoxLayout;
    row->addWidget(m_title, 0, Qt::AlignVCenter);
    row->addWidget(m_field, 1, Qt::AlignVCenter);
    row->addWidget(m_paste, 0, Qt::AlignVCenter);
    row->addWidget(m_open, 0, Qt::AlignVCenter);
    column->addLayout(row);
    column->addWidget(m_warning);

    m_title->setTextFormat(Qt::PlainText);
    m_title->setBuddy(m_field);
    m_field->setPlaceholderText(prompt);
    m_field->setAccessibleName(title);
    m_paste->setObjectName(u"pasteLink"_s);
    m_paste->setToolTip(u"Вставить ссылку из буфера обмена"_s);
    m_open->setObjectName(u"openLink"_s);

    connect(m_field, &QLineEdit::textEdited, this, &LinkEditRow::edit);
    connect(m_field, &QLineEdit::returnPressed, this,
            [this] { edit(LinkTools::normalized(m_field->text())); });
    connect(m_paste, &QPushButton::clicked, this, [this] {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        const std::optional<QString> text =
            data && data->hasText() ? std::optional(data->text()) : std::nullopt;
        if (const std::optional<QString> link = LinkEditText::pasted(text))
            edit(*link);
    });
    connect(m_open, &QPushButton::clicked, this, [this] {
        if (const std::optional<QUrl> url = LinkEditText::openURL(link()))
            LinkActions::open({*url});
    });
    refresh();
}

QString LinkEditRow::link() const {
    return m_field->text();
}

void LinkEditRow::setLink(const QString& link) {
    if (m_field->text() != link)
        m_field->setText(link);
    refresh();
}

void LinkEditRow::edit(const QString& link) {
    // Rewriting the box only when the text changes keeps the cursor where the user is typing.
    if (m_field->text() != link)
        m_field->setText(link);
    refresh();
    emit linkEdited(link);
}

void LinkEditRow::refresh() {
    const std::optional<QUrl> url = LinkEditText::openURL(link());
    m_open->setVisible(url.has_value());
    m_open->setToolTip(url ? LinkEditText::openHelp(*url) : QString());
    const std::optional<QString> warning = LinkEditText::warning(link());
    m_warning->setVisible(warning.has_value());
    m_warning->setText(warning.value_or(QString()));
}
