#pragma once

#include "core/model/Calendar.h"

#include <QDateTime>
#include <QWidget>

#include <optional>

class QCheckBox;
class QDateEdit;
class QLabel;
class QPushButton;

// An editor row for a date that may be absent: a switch titled with the field's name, then either a date
// box with a "Сегодня" link or the words "не указана". Every date it hands out is the start of a day in
// its calendar.
class OptionalDateRow : public QWidget {
    Q_OBJECT
public:
    OptionalDateRow(const QString& title, const Calendar& calendar = Calendar::current(),
                    Clock clock = systemNow, QWidget* parent = nullptr);

    // Shows a date set from outside; emits nothing.
    void setDate(const std::optional<QDateTime>& date);

signals:
    // The user switched the date on or off or picked a day.
    void dateEdited(const std::optional<QDateTime>& date);

private:
    void edit(const std::optional<QDateTime>& date);
    void refresh();
    QDateTime startOfToday() const;

    Calendar m_calendar;
    Clock m_clock;
    std::optional<QDateTime> m_date;
    QCheckBox* m_toggle;
    QDateEdit* m_picker;
    QPushButton* m_today;
    QLabel* m_absent;
};
