#pragma once

#include "app/dashboard/TileTexts.h"
#include "core/statistics/Statistics.h"

#include <QWidget>

#include <optional>

class ElidedText;
class FittedValue;
class QLabel;

// One metric of the dashboard: its title and symbol in the metric's colour, the period's value in large
// digits that shrink to fit, the subtitle, and the change since the period before when there is one.
class StatTile : public QWidget {
    Q_OBJECT
public:
    explicit StatTile(QWidget* parent = nullptr);

    // The tile computes nothing itself: the value is the result's, the change is against `previous`.
    void setFigures(const MetricResult& result, const Journal& journal, std::optional<double> previous);

    QString titleText() const;
    QString valueText() const;
    QString subtitleText() const;
    // The comparison line; empty when there is nothing to compare with.
    QString comparisonText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyStyle();

    MetricResult m_result;
    // Nothing when there is no value, or no finite one, to compare.
    std::optional<Dashboard::Comparison> m_change;
    QLabel* m_symbol;
    ElidedText* m_title;
    FittedValue* m_value;
    ElidedText* m_subtitle;
    QWidget* m_comparisonRow;
    QLabel* m_trendSymbol;
    ElidedText* m_comparison;
};
