#include "views/cells/WarningLabel.h"

#include "views/kit/Style.h"
#include "views/kit/Symbols.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>

using namespace Qt::StringLiterals;

WarningLabel::WarningLabel(const QString& text, QWidget* parent)
    : QWidget(parent), m_symbol(new QLabel(this)), m_text(new QLabel(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(m_symbol, 0, Qt::AlignTop);
    layout->addWidget(m_text, 1);
    // Texts carry values the user typed: never read them as markup.
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_text->setText(text);
    applyStyle();
}

QString WarningLabel::text() const {
    return m_text->text();
}

void WarningLabel::setText(const QString& text) {
    m_text->setText(text);
}

void WarningLabel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        applyStyle();
}

void WarningLabel::applyStyle() {
    const QColor orange = Style::color(Style::Role::warning, this);
    m_text->setFont(Style::font(Style::TextStyle::callout, font()));
    Style::setTextColor(m_text, Style::readable(orange, m_text));
    const int size = QFontMetrics(m_text->font()).height();
    m_symbol->setPixmap(
        Symbols::symbol(u"exclamationmark.triangle.fill"_s, orange, size, devicePixelRatioF()));
    m_symbol->setFixedSize(size, size);
}
