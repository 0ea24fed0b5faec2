#include "views/dashboard/StatTile.h"

#include "app/dashboard/TileTexts.h"
#include "views/kit/Contrast.h"
#include "views/kit/DrawnSymbols.h"
#include "views/kit/ElidedText.h"
#include "views/kit/RoundedBox.h"
#include "views/kit/Style.h"
#include "views/kit/Symbols.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace Dashboard;

namespace {

constexpr int valuePixels = 42;

QColor faded(QColor c, qreal alpha) {
    c.setAlphaF(alpha);
    return c;
}

} // namespace

// The value in large bold digits of equal width, shrunk to fit its width down to half size, then cut
// with "…".
class FittedValue : public QWidget {
public:
    explicit FittedValue(QWidget* parent) : QWidget(parent) {
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }

    QString text() const { return m_text; }
    void setText(const QString& text) {
        m_text = text;
        update();
    }

    QSize sizeHint() const override { return QSize(fontAt(valuePixels).pixelSize() * 3, lineHeight()); }
    QSize minimumSizeHint() const override { return QSize(0, lineHeight()); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        // Shrinks until the text is drawn whole: the eliding layout, not the plain advance, decides, as a
        // text that just fits by its advance may still be cut by a pixel of rounding.
        const auto fits = [this](int pixels) {
            return QFontMetrics(fontAt(pixels)).elidedText(m_text, Qt::ElideRight, width()) == m_text;
        };
        int pixels = valuePixels;
        while (pixels > valuePixels / 2 && !fits(pixels))
            --pixels;
        const QFont f = fontAt(pixels);
        painter.setFont(f);
        const QFontMetrics metrics(f);
        // Smaller sizes sit on the full size's baseline, so tiles of one row keep their values aligned.
        const int baseline = QFontMetrics(fontAt(valuePixels)).ascent();
        painter.drawText(0, baseline, metrics.elidedText(m_text, Qt::ElideRight, width()));
    }

private:
    QFont fontAt(int pixels) const {
        QFont f = Style::tabularFont(font());
        f.setPixelSize(pixels);
        f.setBold(true);
        return f;
    }
    int lineHeight() const { return QFontMetrics(fontAt(valuePixels)).height(); }

    QString m_text;
};

StatTile::StatTile(QWidget* parent)
    : QWidget(parent), m_symbol(new QLabel(this)), m_title(new ElidedText(1, this)),
      m_value(new FittedValue(this)), m_subtitle(new ElidedText(2, this)), m_comparisonRow(new QWidget(this)),
      m_trendSymbol(new QLabel(m_comparisonRow)), m_comparison(new ElidedText(3, m_comparisonRow)) {
    setMinimumHeight(172);
    setMinimumWidth(210);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->setSpacing(6);
    auto* titleRow = new QHBoxLayout;
    titleRow->setSpacing(6);
    titleRow->addWidget(m_symbol);
    titleRow->addWidget(m_title, 1);
    layout->addLayout(titleRow);
    layout->addWidget(m_value);
    layout->addWidget(m_subtitle);
    auto* comparisonRow = new QHBoxLayout(m_comparisonRow);
    comparisonRow->setContentsMargins(0, 0, 0, 0);
    comparisonRow->setSpacing(4);
    // The change is what the tile is read for beside its value: a long sum wraps rather than being cut.
    m_comparison->setObjectName(u"tileComparison"_s);
    comparisonRow->addWidget(m_trendSymbol, 0, Qt::AlignTop);
    comparisonRow->addWidget(m_comparison, 1);
    layout->addWidget(m_comparisonRow);
    layout->addStretch(1);
    applyStyle();
}

void StatTile::setFigures(const MetricResult& result, const Journal& journal,
                          std::optional<double> previous) {
    m_result = result;
    m_change.reset();
    if (previous)
        m_change = comparison(result.value, *previous, result.metric);
    m_title->setText(result.metric.title);
    m_value->setText(Statistics::format(result.value, result.metric));
    m_subtitle->setText(tileSubtitle(result, journal));
    m_comparisonRow->setVisible(m_change.has_value());
    m_comparison->setText(m_change ? m_change->text : QString());
    setAccessibleName(QStringList{titleText(), valueText(), subtitleText(), comparisonText()}.join(u", "_s));
    applyStyle();
    update();
}

QString StatTile::titleText() const {
    return m_title->text();
}

QString StatTile::valueText() const {
    return m_value->text();
}

QString StatTile::subtitleText() const {
    return m_subtitle->text();
}

QString StatTile::comparisonText() const {
    return m_comparison->text();
}

void StatTile::paintEvent(QPaintEvent*) {
    const QColor tint = Style::color(m_result.metric.color);
    // The same box as the cards beside it, in the metric's colour.
    paintRoundedBox(this, 12, faded(tint, 0.08), faded(tint, 0.25));
}

void StatTile::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        applyStyle();
}

void StatTile::applyStyle() {
    const QColor tint = Style::color(m_result.metric.color);
    // The texts stand on the tile's tinted face, in shades that read there. The symbol takes its title's
    // shade: its thin strokes, drawn smoothed, show fainter than their colour.
    const QColor face = Contrast::over(faded(tint, 0.08), palette().color(QPalette::Window));
    const QFont base = font();
    const QFont headline = Style::font(Style::TextStyle::headline, base);
    m_title->setFont(headline);
    const QColor titleColour = Style::readable(tint, face, headline);
    Style::setTextColor(m_title, titleColour);
    const int symbolSize = QFontMetrics(headline).height();
    const QPixmap symbol =
        Symbols::symbol(m_result.metric.symbol, titleColour, symbolSize, devicePixelRatioF());
    m_symbol->setPixmap(symbol);
    m_symbol->setFixedSize(symbolSize, symbolSize);
    // A symbol the icon table does not know leaves no gap before the title.
    m_symbol->setVisible(!symbol.isNull());

    const QFont callout = Style::font(Style::TextStyle::callout, base);
    m_subtitle->setFont(callout);
    Style::setTextColor(m_subtitle,
                        Style::readable(Contrast::over(Style::secondary(this), face), face, callout));

    QFont caption = Style::font(Style::TextStyle::caption, base);
    caption.setWeight(QFont::Medium);
    m_comparison->setFont(caption);
    const Comparison::Trend trend = m_change ? m_change->trend : Comparison::Trend::same;
    const QColor trendColour = trend == Comparison::Trend::up ? Style::color(Style::Role::success, this)
                               : trend == Comparison::Trend::down
                                   ? Style::color(Style::Role::destructive, this)
                                   : Style::secondary(this);
    // The arrow beside the change takes the change's own colour.
    const QColor comparisonColour = Style::readable(trendColour, face, caption);
    Style::setTextColor(m_comparison, comparisonColour);
    const int trendSize = QFontMetrics(caption).height();
    const DrawnSymbols::Heading heading = trend == Comparison::Trend::up     ? DrawnSymbols::Heading::up
                                          : trend == Comparison::Trend::down ? DrawnSymbols::Heading::down
                                                                             : DrawnSymbols::Heading::level;
    m_trendSymbol->setPixmap(DrawnSymbols::trend(heading, comparisonColour, trendSize, devicePixelRatioF()));
    m_trendSymbol->setFixedSize(trendSize, trendSize);
}
