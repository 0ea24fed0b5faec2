#include "views/dashboard/ReportBox.h"

#include "app/kit/AppKeys.h"
#include "app/kit/ShortcutText.h"
#include "views/dashboard/WrappedText.h"
#include "views/kit/Clipboard.h"
#include "views/kit/DrawnSymbols.h"
#include "views/kit/Style.h"
#include "views/kit/Symbols.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ReportBox::ReportBox(QWidget* parent)
    : Card(12, parent), m_text(new WrappedText(this)), m_copy(new QAction(this)),
      m_button(new QToolButton(this)) {
    setObjectName(u"reportBox"_s);
    auto* title = new QLabel(u"Краткий отчёт"_s, this);
    Style::setText(title, Style::TextStyle::headline);
    contentLayout()->addWidget(title);

    m_text->setObjectName(u"reportText"_s);
    m_text->setFont(Style::font(Style::TextStyle::title3, m_text->font()));
    contentLayout()->addWidget(m_text);

    m_copy->setObjectName(u"copyReport"_s);
    m_copy->setShortcut(AppKeys::copyReport());
    m_copy->setShortcutContext(Qt::WindowShortcut);
    addAction(m_copy);
    connect(m_copy, &QAction::triggered, this, &ReportBox::copy);

    auto* row = new QHBoxLayout;
    m_button->setObjectName(u"copyReportButton"_s);
    m_button->setDefaultAction(m_copy);
    m_button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    Style::makeLarge(m_button);
    Style::makeProminent(m_button);
    // As wide as its longer label, so the mark does not make the row beside it jump.
    showCopied(false);
    m_button->setMinimumWidth(std::max(190, m_button->sizeHint().width()));
    row->addWidget(m_button, 0, Qt::AlignVCenter);
    auto* keys = new QLabel(shortcutText(AppKeys::copyReport()), this);
    keys->setTextFormat(Qt::PlainText);
    Style::setSecondary(keys);
    row->addWidget(keys, 0, Qt::AlignVCenter);
    row->addStretch(1);
    contentLayout()->addLayout(row);
}

void ReportBox::setReport(const QString& text) {
    m_text->setText(text);
}

void ReportBox::copy() {
    copyToClipboard(m_text->text());
    showCopied(true);
    // The box is the timer's context: a job still pending when the tab is rebuilt goes with the box.
    QTimer::singleShot(2000, this, [this] { showCopied(false); });
}

void ReportBox::showCopied(bool copied) {
    m_copy->setText(copied ? u"Скопировано"_s : u"Скопировать отчёт"_s);
    const QColor onAccent = m_button->palette().color(QPalette::HighlightedText);
    const int size = m_button->iconSize().width();
    // The theme's check mark is a coloured box; a plain mark in the label's colour fits the filled button.
    m_copy->setIcon(QIcon(copied ? DrawnSymbols::checkmark(onAccent, size, devicePixelRatioF())
                                 : Symbols::symbol(u"doc.on.doc"_s, onAccent, size, devicePixelRatioF())));
}
