#include "views/records/RecordsEmptyState.h"

#include "app/AddTitles.h"
#include "app/AppRouter.h"
#include "app/kit/ShortcutText.h"
#include "views/kit/NoteLabel.h"
#include "views/kit/Style.h"
#include "views/kit/Symbols.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

RecordsEmptyState::RecordsEmptyState(AppRouter& router, QWidget* parent) : QWidget(parent), m_router(router) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 24, 40, 24);
    layout->setSpacing(16);
    layout->addStretch(1);

    m_symbol = new QLabel(this);
    m_symbol->setObjectName(u"emptySymbol"_s);
    m_symbol->setAlignment(Qt::AlignHCenter);
    layout->addWidget(m_symbol);

    auto* title = new QLabel(u"Записей пока нет"_s, this);
    Style::setText(title, Style::TextStyle::title2, true);
    title->setAlignment(Qt::AlignHCenter);
    layout->addWidget(title);

    QLabel* text = noteLabel(u"Добавьте первую запись или импортируйте накопленные данные из CSV."_s,
                             Style::TextStyle::body, this);
    text->setAlignment(Qt::AlignHCenter);
    layout->addWidget(text);

    m_add = new QPushButton(this);
    m_add->setObjectName(u"emptyAdd"_s);
    Style::makeBigAdd(m_add);
    layout->addWidget(m_add, 0, Qt::AlignHCenter);
    layout->addStretch(1);

    connect(m_add, &QPushButton::clicked, this, [this] { m_router.primaryAdd(m_journal); });
}

void RecordsEmptyState::setJournal(const Journal& journal) {
    m_journal = journal;
    m_add->setText(literalLabel(newRecordsButtonTitle(journal)));
    if (m_shownIcon != journal.icon) {
        m_shownIcon = journal.icon;
        m_symbol->setPixmap(Symbols::symbol(journal.icon, Style::secondary(this), 56, devicePixelRatioF()));
    }
}
