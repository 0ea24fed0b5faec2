#include "views/records/StatusPicker.h"

#include "app/kit/ShortcutText.h"
#include "views/kit/Style.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QToolButton>

using namespace Qt::StringLiterals;

StatusPicker::StatusPicker(const QList<StatusDef>& statuses, bool segmented, QWidget* parent)
    : QWidget(parent), m_statuses(statuses) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (segmented) {
        // One switch, the window's segmented look: the chosen status stands out in the accent colour.
        auto* segments = new QFrame(this);
        segments->setObjectName(u"statusSegments"_s);
        Style::makeSegmented(segments);
        auto* row = new QHBoxLayout(segments);
        row->setContentsMargins(2, 2, 2, 2);
        row->setSpacing(2);
        layout->addWidget(segments);
        m_buttons = new QButtonGroup(this);
        m_buttons->setObjectName(u"statusButtons"_s);
        m_buttons->setExclusive(true);
        for (qsizetype i = 0; i < statuses.size(); ++i) {
            auto* button = new QToolButton(segments);
            button->setText(literalLabel(statuses[i].name));
            button->setCheckable(true);
            button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
            m_buttons->addButton(button, int(i));
            row->addWidget(button);
        }
        connect(m_buttons, &QButtonGroup::idClicked, this, [this](int i) { emit chosen(m_statuses[i].id); });
    } else {
        m_combo = new QComboBox(this);
        m_combo->setObjectName(u"statusCombo"_s);
        for (const StatusDef& s : statuses)
            m_combo->addItem(s.name);
        layout->addWidget(m_combo, 1);
        connect(m_combo, &QComboBox::activated, this, [this](int i) {
            if (i >= 0)
                emit chosen(m_statuses[i].id);
        });
    }
}

void StatusPicker::setStatus(const std::optional<QUuid>& id) {
    int index = -1;
    for (qsizetype i = 0; id && i < m_statuses.size(); ++i) {
        if (m_statuses[i].id == *id) {
            index = int(i);
            break;
        }
    }
    if (m_combo) {
        const QSignalBlocker blocker(m_combo);
        m_combo->setCurrentIndex(index);
        return;
    }
    if (index >= 0) {
        m_buttons->button(index)->setChecked(true);
        return;
    }
    // An exclusive group keeps its checked button: showing none needs the group open for a moment.
    m_buttons->setExclusive(false);
    for (QAbstractButton* b : m_buttons->buttons())
        b->setChecked(false);
    m_buttons->setExclusive(true);
}
