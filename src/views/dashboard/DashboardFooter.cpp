#include "views/dashboard/DashboardFooter.h"

#include "app/dashboard/FooterTexts.h"
#include "views/dashboard/AdaptiveGridLayout.h"
#include "views/dashboard/WrappedText.h"
#include "views/kit/Style.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace Dashboard;

DashboardFooter::DashboardFooter(QWidget* parent)
    : QWidget(parent), m_toggle(new QToolButton(this)), m_keys(new QWidget(this)),
      m_notes(new WrappedText(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The two parts stand apart like the tab's sections.
    layout->setSpacing(22);

    auto* keysGroup = new QVBoxLayout;
    keysGroup->setSpacing(6);
    m_toggle->setObjectName(u"keysToggle"_s);
    m_keys->setObjectName(u"keysList"_s);
    m_toggle->setText(u"Клавиши"_s);
    m_toggle->setAutoRaise(true);
    m_toggle->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_toggle->setArrowType(Qt::RightArrow);
    m_toggle->setFont(Style::font(Style::TextStyle::headline, font()));
    keysGroup->addWidget(m_toggle, 0, Qt::AlignLeft);

    const QFont callout = Style::font(Style::TextStyle::callout, font());
    QFont keysFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    keysFont.setPointSizeF(callout.pointSizeF() > 0 ? callout.pointSizeF() : keysFont.pointSizeF());
    keysFont.setWeight(QFont::DemiBold);
    const QList<KeyHelp> keys = dashboardKeys();
    int keysWidth = 100;
    for (const KeyHelp& key : keys)
        keysWidth = std::max(keysWidth, QFontMetrics(keysFont).horizontalAdvance(key.keys) + 1);
    int cellWidth = 0;
    auto* grid = new AdaptiveGridLayout(280, 16, 6, m_keys);
    grid->setContentsMargins(0, 6, 0, 0);
    for (const KeyHelp& key : keys) {
        auto* cell = new QWidget(m_keys);
        auto* row = new QHBoxLayout(cell);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(8);
        auto* keysLabel = new QLabel(key.keys, cell);
        keysLabel->setTextFormat(Qt::PlainText);
        keysLabel->setFont(keysFont);
        keysLabel->setFixedWidth(keysWidth);
        auto* description = new QLabel(key.description, cell);
        description->setTextFormat(Qt::PlainText);
        description->setFont(callout);
        row->addWidget(keysLabel, 0, Qt::AlignVCenter);
        row->addWidget(description, 1, Qt::AlignVCenter);
        cellWidth = std::max(cellWidth, cell->sizeHint().width());
        grid->addWidget(cell);
    }
    // Columns never squeeze a description: each is at least as wide as the widest line.
    grid->setMinimumColumnWidth(std::max(280, cellWidth));
    m_keys->setVisible(false);
    keysGroup->addWidget(m_keys);
    layout->addLayout(keysGroup);

    m_notes->setObjectName(u"metricNotes"_s);
    m_notes->setFont(Style::font(Style::TextStyle::callout, m_notes->font()));
    Style::setSecondary(m_notes);
    layout->addWidget(m_notes);

    // A disclosure, not a switch: the arrow alone shows whether the list is open.
    connect(m_toggle, &QToolButton::clicked, this, [this] {
        const bool open = !m_keys->isVisibleTo(this);
        m_toggle->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
        m_keys->setVisible(open);
    });
}

void DashboardFooter::setJournal(const Journal& journal) {
    m_notes->setText(notesParagraph(journal));
}
