#include "views/dashboard/DashboardHeader.h"

#include "views/kit/ElidedText.h"
#include "views/kit/Style.h"
#include "views/kit/Symbols.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace Dashboard;

DashboardHeader::DashboardHeader(const Calendar& calendar, QWidget* parent)
    : QWidget(parent), m_calendar(calendar), m_symbol(new QLabel(this)), m_name(new ElidedText(1, this)),
      m_count(new QLabel(this)), m_period(new QComboBox(this)), m_customDates(new QWidget(this)),
      m_description(new QLabel(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);

    auto* titleRow = new QHBoxLayout;
    titleRow->setSpacing(10);
    titleRow->addWidget(m_symbol, 0, Qt::AlignVCenter);
    titleRow->addWidget(m_name, 1, Qt::AlignVCenter);
    titleRow->addSpacing(12);
    titleRow->addWidget(m_count, 0, Qt::AlignVCenter);
    layout->addLayout(titleRow);
    m_name->setObjectName(u"journalName"_s);
    m_count->setObjectName(u"countLine"_s);
    m_count->setTextFormat(Qt::PlainText);

    auto* periodRow = new QHBoxLayout;
    periodRow->setSpacing(12);
    auto* periodTitle = new QLabel(u"Период"_s, this);
    periodTitle->setBuddy(m_period);
    periodRow->addWidget(periodTitle);
    m_period->setObjectName(u"periodPicker"_s);
    m_period->setFixedWidth(280);
    m_period->setMinimumHeight(30);
    for (ReportPeriod period : allReportPeriods)
        m_period->addItem(title(period), rawValue(period));
    periodRow->addWidget(m_period);

    auto* dates = new QHBoxLayout(m_customDates);
    dates->setContentsMargins(0, 0, 0, 0);
    dates->setSpacing(12);
    m_start = makeDatePicker(u"с"_s);
    m_end = makeDatePicker(u"по"_s);
    m_start->setObjectName(u"customStart"_s);
    m_end->setObjectName(u"customEnd"_s);
    periodRow->addWidget(m_customDates);
    m_description->setObjectName(u"periodDescription"_s);
    m_description->setTextFormat(Qt::PlainText);
    periodRow->addWidget(m_description);
    periodRow->addStretch(1);
    layout->addLayout(periodRow);

    connect(m_period, &QComboBox::activated, this, [this](int index) {
        if (const auto period = reportPeriodFromRaw(m_period->itemData(index).toString()))
            emit periodPicked(*period);
    });
    // Date pickers are set from code under a blocker, so a change here is the user's.
    connect(m_start, &QDateEdit::dateChanged, this,
            [this](QDate day) { emit customStartPicked(m_calendar.startOfDay(day)); });
    connect(m_end, &QDateEdit::dateChanged, this,
            [this](QDate day) { emit customEndPicked(m_calendar.startOfDay(day)); });
    applyStyle();
}

QDateEdit* DashboardHeader::makeDatePicker(const QString& title) {
    auto* label = new QLabel(title, m_customDates);
    auto* picker = new QDateEdit(m_customDates);
    label->setBuddy(picker);
    picker->setDisplayFormat(u"dd.MM.yyyy"_s);
    picker->setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    picker->setCalendarPopup(true);
    picker->calendarWidget()->setFirstDayOfWeek(Qt::Monday);
    picker->calendarWidget()->setLocale(picker->locale());
    picker->setAccessibleName(title);
    m_customDates->layout()->addWidget(label);
    m_customDates->layout()->addWidget(picker);
    return picker;
}

void DashboardHeader::setJournal(const Journal& journal, const QString& countLine) {
    m_name->setText(journal.name);
    m_count->setText(countLine);
    if (journal.icon != m_icon) {
        m_icon = journal.icon;
        applyStyle();
    }
}

void DashboardHeader::setPeriod(ReportPeriod period, const CustomDates& custom, const QString& description) {
    {
        const QSignalBlocker blocker(m_period);
        m_period->setCurrentIndex(m_period->findData(rawValue(period)));
    }
    {
        const QSignalBlocker startBlocker(m_start);
        const QSignalBlocker endBlocker(m_end);
        // A box the user is typing in already shows its day; setting it again would move the cursor.
        if (const QDate start = m_calendar.day(custom.start); m_start->date() != start)
            m_start->setDate(start);
        if (const QDate end = m_calendar.day(custom.end); m_end->date() != end)
            m_end->setDate(end);
    }
    m_customDates->setVisible(period == ReportPeriod::custom);
    m_description->setText(description);
}

void DashboardHeader::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        applyStyle();
}

void DashboardHeader::applyStyle() {
    const QFont title = Style::font(Style::TextStyle::largeTitle, font(), true);
    m_name->setFont(title);
    const int size = QFontMetrics(title).height();
    const QPixmap symbol =
        Symbols::symbol(m_icon, Style::color(Style::Role::accent, this), size, devicePixelRatioF());
    m_symbol->setPixmap(symbol);
    m_symbol->setFixedSize(size, size);
    m_symbol->setVisible(!symbol.isNull());
    for (QLabel* secondary : {m_count, m_description})
        Style::setSecondary(secondary);
}
