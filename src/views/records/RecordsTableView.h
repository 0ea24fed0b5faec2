#pragma once

#include <QList>
#include <QTableView>

// The records table's view: rows selected whole, several at once, heights fixed; a header click is only
// reported (the tab sorts), a right click never moves the selection (it only asks for the context menu),
// and each column keeps a minimum width of its own.
class RecordsTableView : public QTableView {
    Q_OBJECT
public:
    explicit RecordsTableView(QWidget* parent = nullptr);

    // Gives every column its ideal width and keeps each at least at its minimum.
    void setColumnWidths(const QList<int>& ideal, const QList<int>& minimum);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QList<int> m_minimum;
};
