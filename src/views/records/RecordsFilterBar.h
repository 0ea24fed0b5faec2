#pragma once

#include "core/journal/RecordFilters.h"
#include "core/model/Model.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class AppRouter;
class QAction;
class ElidedLabel;
class QComboBox;
class QHBoxLayout;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QStringListModel;

// The records tab's filter bar: search, value, status, date and link filters, the reset button, the shown
// line and the export of the shown records. Every control writes the journal's filters in the router, and
// only when the user works it; showing filters stores nothing.
class RecordsFilterBar : public QWidget {
    Q_OBJECT
public:
    explicit RecordsFilterBar(AppRouter& router, QWidget* parent = nullptr);

    // Shows the journal's filters, the values offered for the shown value field and the shown line.
    void showFilters(const Journal& journal, const RecordFilters& filters, const QStringList& values,
                     const QString& shownLine, bool anyShown);

    // Takes the keys to the search box, its text selected to be typed over.
    void focusSearch();

signals:
    void exportRequested();
    // Return in the search box: the search is done with.
    void searchSubmitted();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The search box and the value and status pickers.
    QHBoxLayout* firstRow();
    // The date and link filters, the reset button, the shown line and the export.
    QHBoxLayout* secondRow();
    // Each row's controls write the filters as the user works them.
    void connectFirstRow();
    void connectSecondRow();
    void fitSecondRow();
    // Changes the journal's filters as they stand in the router and stores them.
    void write(const std::function<void(RecordFilters&)>& change);
    void showValuePickers(const RecordFilters& filters, const QStringList& values);

    AppRouter& m_router;
    Journal m_journal;
    QList<FieldDef> m_valueFields;
    QStringList m_values;
    QString m_longestShown;

    QLineEdit* m_search = nullptr;
    QAction* m_clearSearch = nullptr;
    QComboBox* m_field = nullptr;
    QComboBox* m_value = nullptr;
    QStringListModel* m_valueEntries = nullptr;
    QComboBox* m_status = nullptr;
    QComboBox* m_dateField = nullptr;
    QLabel* m_fromLabel = nullptr;
    QDateEdit* m_from = nullptr;
    QLabel* m_toLabel = nullptr;
    QDateEdit* m_to = nullptr;
    QComboBox* m_link = nullptr;
    QPushButton* m_reset = nullptr;
    ElidedLabel* m_shown = nullptr;
    QPushButton* m_export = nullptr;
    QHBoxLayout* m_secondRow = nullptr;
};
