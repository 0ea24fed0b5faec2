#pragma once

#include "app/dashboard/DashboardFigures.h"
#include "core/model/Calendar.h"

#include <QWidget>

class ElidedText;
class QComboBox;
class QDateEdit;
class QLabel;

// The dashboard's head: the journal's symbol and name with its record count, then the period picker, the
// two days of a custom period (shown for "Свой период" only) and what the period covers. It shows what it
// is given and reports only the user's picks.
class DashboardHeader : public QWidget {
    Q_OBJECT
public:
    DashboardHeader(const Calendar& calendar, QWidget* parent = nullptr);

    void setJournal(const Journal& journal, const QString& countLine);
    void setPeriod(ReportPeriod period, const Dashboard::CustomDates& custom, const QString& description);

signals:
    void periodPicked(ReportPeriod period);
    void customStartPicked(const QDateTime& start);
    void customEndPicked(const QDateTime& end);

protected:
    void changeEvent(QEvent* event) override;

private:
    QDateEdit* makeDatePicker(const QString& title);
    void applyStyle();

    Calendar m_calendar;
    QString m_icon;
    QLabel* m_symbol;
    ElidedText* m_name;
    QLabel* m_count;
    QComboBox* m_period;
    QWidget* m_customDates;
    QDateEdit* m_start;
    QDateEdit* m_end;
    QLabel* m_description;
};
