#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

// The breakdown's grid of texts: a header line in small semibold secondary text, a divider, then one line
// per row, columns 28 px apart and as wide as their widest text (row titles are cut with "…" beyond a
// limit). It draws only the lines in view, so a field with thousands of values stays quick.
class BreakdownTable : public QWidget {
    Q_OBJECT
public:
    explicit BreakdownTable(QWidget* parent = nullptr);

    void setTable(const QStringList& header, const QList<QStringList>& rows);
    const QStringList& header() const { return m_header; }
    const QList<QStringList>& rows() const { return m_rows; }

    QSize sizeHint() const override { return m_size; }
    QSize minimumSizeHint() const override { return m_size; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void measure();
    QFont headerFont() const;
    QFont valueFont() const;
    int rowPitch() const;
    int headerHeight() const;

    QStringList m_header;
    QList<QStringList> m_rows;
    QList<int> m_widths;
    QSize m_size;
};
