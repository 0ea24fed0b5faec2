#include "Looks.h"
#include "ShellFixture.h"
#include "ShellSamples.h"
#include "core/templates/Templates.h"
#include "views/dashboard/DashboardHeader.h"
#include "views/dashboard/DashboardView.h"
#include "views/dashboard/StatTile.h"
#include "views/kit/Symbols.h"
#include "views/records/RecordsEmptyState.h"

#include <QAbstractItemView>
#include <QLabel>

using namespace TestSupport;
using namespace Qt::StringLiterals;

namespace {

// The symbol a label shows; null when it shows none.
QImage symbolIn(const QWidget* within) {
    for (const QLabel* label : within->findChildren<QLabel*>())
        if (label->isVisible() && !label->pixmap().isNull())
            return label->pixmap().toImage();
    return {};
}

// Whether a picture is the symbol in one colour: the symbol's shape drawn in that colour at the picture's
// size, its coverage the same everywhere but for the tint's own opacity.
bool isSymbol(const QImage& picture, const QString& name) {
    std::optional<QColor> tint = soleColour(picture);
    if (!tint)
        return false;
    tint->setAlpha(255);
    const qreal ratio = picture.devicePixelRatio();
    const QImage shape = Symbols::symbol(name, *tint, int(picture.width() / ratio), ratio)
                             .toImage()
                             .convertToFormat(QImage::Format_Alpha8);
    const QImage shown = picture.convertToFormat(QImage::Format_Alpha8);
    if (shape.size() != shown.size())
        return false;
    int shapeMost = 1;
    int shownMost = 0;
    for (int y = 0; y < shape.height(); ++y) {
        for (int x = 0; x < shape.width(); ++x) {
            shapeMost = std::max(shapeMost, qAlpha(shape.pixel(x, y)));
            shownMost = std::max(shownMost, qAlpha(shown.pixel(x, y)));
        }
    }
    const double opacity = double(shownMost) / shapeMost;
    for (int y = 0; y < shape.height(); ++y)
        for (int x = 0; x < shape.width(); ++x)
            if (std::abs(qAlpha(shown.pixel(x, y)) - qAlpha(shape.pixel(x, y)) * opacity) > 3)
                return false;
    return true;
}

} // namespace

// Each template journal's symbol in the sidebar, the dashboard's heading and the empty records tab, and
// its metrics' symbols on their tiles: every place shows the one picture, in one colour.
TEST(SymbolPlaces, AJournalAndItsMetricsLookAlikeEverywhere) {
    QList<Journal> journals;
    for (const JournalTemplate& t : Templates::all())
        journals.append(named(t.make(), t.name));
    Shell shell(journals);
    const auto* list = shell.sidebar()->findChild<QAbstractItemView*>();
    ASSERT_TRUE(list);
    for (int row = 0; row < journals.size(); ++row) {
        const Journal& journal = journals[row];
        SCOPED_TRACE(journal.icon.toStdString());
        const QIcon inList = list->model()->index(row, 0).data(Qt::DecorationRole).value<QIcon>();
        EXPECT_TRUE(isSymbol(inList.pixmap(20).toImage(), journal.icon)) << "sidebar";

        shell.router->setSelectedJournalID(journal.id);
        shell.router->setTab(JournalTab::dashboard);
        const auto* heading = shell.shown<DashboardHeader>();
        ASSERT_TRUE(heading);
        EXPECT_TRUE(isSymbol(symbolIn(heading), journal.icon)) << "heading";
        int tiles = 0;
        for (const StatTile* tile : shell.shown<DashboardView>()->findChildren<StatTile*>()) {
            for (const MetricDef& metric : journal.metrics) {
                if (metric.title == tile->titleText()) {
                    ++tiles;
                    EXPECT_TRUE(isSymbol(symbolIn(tile), metric.symbol)) << metric.title.toStdString();
                }
            }
        }
        EXPECT_EQ(tiles, journal.metrics.size());

        shell.router->setTab(JournalTab::records);
        const auto* empty = shell.shown<RecordsEmptyState>();
        ASSERT_TRUE(empty);
        EXPECT_TRUE(isSymbol(symbolIn(empty), journal.icon)) << "empty records";
    }
}
