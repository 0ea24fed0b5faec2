#include "DashboardView.h"

#include <QLabel>
#include <QVBoxLayout>

DashboardView::DashboardView(AppRouter& router, QSettings& settings, const Journal& journal, QWidget* parent)
    : JournalTabView(parent), m_router(router), m_settings(settings) {
    auto* layout = new QVBoxLayout(this);
    m_label = new QLabel(this);
    m_label->setTextFormat(Qt::PlainText);
    m_label->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_label);
    setJournal(journal);
}

void DashboardView::setJournal(const Journal& journal) {
    m_journal = journal;
    m_label->setText(journal.name + QStringLiteral("\nРаздел «Итоги» ещё не готов."));
}
