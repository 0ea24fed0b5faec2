#include "RecordsListView.h"

#include <QLabel>
#include <QVBoxLayout>

RecordsListView::RecordsListView(AppStore& store, AppRouter& router, const Journal& journal, QWidget* parent)
    : JournalTabView(parent), m_store(store), m_router(router) {
    auto* layout = new QVBoxLayout(this);
    m_label = new QLabel(this);
    m_label->setTextFormat(Qt::PlainText);
    m_label->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_label);
    setJournal(journal);
}

void RecordsListView::setJournal(const Journal& journal) {
    m_journal = journal;
    m_label->setText(journal.name + QStringLiteral("\nРаздел «Записи» ещё не готов."));
}
