#include "views/cells/OptionalDateRow.h"

#include "app/kit/ShortcutText.h"
#include "views/kit/Style.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;

OptionalDateRow::OptionalDateRow(const QString& title, const Calendar& calendar, Clock clock, QWidget* parent)
    : QWidget(parent), m_calendar(calendar), m_clock(std::move(clock)),
      m_toggle(new QCheckBox(literalLabel(title), this)), m_picker(new QDateEdit(this)),
      m_today(new QPushButton(u"Сегодня"_s, this)), m_absent(new QLabel(u"не указана"_s, this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_toggle, 0, Qt::AlignVCenter);
    layout->addStretch(1);
    layout->addWidget(m_picker, 0, Qt::AlignVCenter);
    layout->addWidget(m_today, 0, Qt::AlignVCenter);
    layout->addWidget(m_absent, 0, Qt::AlignVCenter);

    // A text box with stepper arrows, no pop-up calendar; its hidden label is the row's title.
    m_picker->setCalendarPopup(false);
    m_picker->setDisplayFormat(u"dd.MM.yyyy"_s);
    m_picker->setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    m_picker->setAccessibleName(title);
    Style::makeLink(m_today);
    m_absent->setTextFormat(Qt::PlainText);
    Style::setSecondary(m_absent);

    connect(m_toggle, &QCheckBox::clicked, this,
            [this](bool on) { edit(on ? std::optional(startOfToday()) : std::nullopt); });
    connect(m_picker, &QDateEdit::dateChanged, this, [this](QDate day) {
        if (day.isValid())
            edit(m_calendar.startOfDay(day));
    });
    connect(m_today, &QPushButton::clicked, this, [this] { edit(startOfToday()); });
    refresh();
}

void OptionalDateRow::setDate(const std::optional<QDateTime>& date) {
    m_date = date;
    refresh();
}

void OptionalDateRow::edit(const std::optional<QDateTime>& date) {
    m_date = date;
    refresh();
    emit dateEdited(m_date);
}

void OptionalDateRow::refresh() {
    const QSignalBlocker toggleBlocker(m_toggle);
    const QSignalBlocker pickerBlocker(m_picker);
    m_toggle->setChecked(m_date.has_value());
    if (m_date)
        m_picker->setDate(m_calendar.day(*m_date));
    m_picker->setVisible(m_date.has_value());
    m_today->setVisible(m_date.has_value());
    m_absent->setVisible(!m_date);
}

QDateTime OptionalDateRow::startOfToday() const {
    return m_calendar.startOfDay(m_clock());
}
