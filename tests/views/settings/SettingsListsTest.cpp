#include "views/settings/DraftListModel.h"

#include "Looks.h"
#include "RecordFixtures.h"
#include "app/settings/SettingsChoices.h"
#include "views/kit/Icons.h"
#include "views/settings/ColourDot.h"

#include <QAbstractItemModelTester>
#include <QIcon>
#include <QMimeData>

#include <memory>

using namespace TestSupport;
using namespace Qt::StringLiterals;
using namespace Settings;

namespace {

QStringList shown(const QAbstractItemModel& model) {
    QStringList rows;
    for (int i = 0; i < model.rowCount(); ++i)
        rows.append(model.index(i, 0).data().toString());
    return rows;
}

bool drop(DraftListModel& model, const QList<int>& rows, int destination) {
    QModelIndexList dragged;
    for (int r : rows)
        dragged.append(model.index(r));
    std::unique_ptr<QMimeData> data(model.mimeData(dragged));
    const bool taken = model.dropMimeData(data.get(), Qt::MoveAction, destination, 0, {});
    model.reload();
    return taken;
}

} // namespace

TEST(DraftListModel, DropsMoveTheDraftsItems) {
    Journal draft = journalOf({fieldOf(FieldType::text, u"А"_s), fieldOf(FieldType::number, u""_s),
                               fieldOf(FieldType::date, u"В"_s), fieldOf(FieldType::link, u"Г"_s)});
    DraftListModel model(draft, DraftListModel::Items::fields);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    int moves = 0;
    QObject::connect(&model, &DraftListModel::moved, [&moves] { ++moves; });
    EXPECT_EQ(shown(model), (QStringList{u"А"_s, u"Без названия"_s, u"В"_s, u"Г"_s}));

    const struct {
        const char* what;
        QList<int> rows;
        int destination;
        QString order;
    } cases[] = {
        {"last to top", {3}, 0, u"Г А Без названия В"_s},
        {"first to the end", {0}, -1, u"А Без названия В Г"_s},
        {"several rows, not adjacent", {0, 2}, 4, u"Без названия Г А В"_s},
        {"onto itself", {1}, 1, u"Без названия Г А В"_s},
        {"several to the top", {3, 2}, 0, u"А В Без названия Г"_s},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(drop(model, c.rows, c.destination)) << c.what << ": the view removes nothing";
        EXPECT_EQ(shown(model).join(u' '), c.order) << c.what;
    }
    EXPECT_EQ(moves, int(std::size(cases)));
    EXPECT_EQ(draft.fields[0].name, u"А");
    EXPECT_EQ(model.rowOf(draft.fields[3].id), 3);
}

TEST(DraftListModel, RowsFollowEditsInPlaceAndStructureByReset) {
    Journal draft = journalOf({}, {statusNamed(u"Новый"_s), statusNamed(u"Оплачен"_s)});
    draft.metrics = {MetricDef{.id = QUuid::createUuid(), .title = u"Выручка"_s},
                     MetricDef{.id = QUuid::createUuid()}};
    DraftListModel metrics(draft, DraftListModel::Items::metrics);
    DraftListModel statuses(draft, DraftListModel::Items::statuses);
    QAbstractItemModelTester metricTester(&metrics, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QAbstractItemModelTester statusTester(&statuses, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(shown(metrics), (QStringList{u"1. Выручка"_s, u"2. "_s}));

    int resets = 0;
    QObject::connect(&statuses, &QAbstractItemModel::modelReset, [&resets] { ++resets; });
    draft.statuses[1].name.clear();
    statuses.reload();
    EXPECT_EQ(shown(statuses), (QStringList{u"Новый"_s, u"Без названия"_s}));
    EXPECT_EQ(resets, 0) << "an edit in place keeps the view's selection";
    draft.statuses.removeFirst();
    // Until the reload, rows of items that are gone show nothing rather than another item.
    EXPECT_FALSE(statuses.index(0).data().isValid());
    statuses.reload();
    EXPECT_EQ(std::pair(resets, statuses.rowCount()), std::pair(1, 1));
}

TEST(SettingsSymbols, EveryOfferedSymbolIsDrawn) {
    QStringList symbols = SettingsChoices::journalIcons() + SettingsChoices::metricSymbols();
    for (FieldType type : allFieldTypes)
        symbols.append(symbol(type));
    for (const QString& name : symbols)
        EXPECT_FALSE(Icons::icon(name).pixmap(16).isNull()) << name.toStdString();
}

// A status's dot in every colour, in a light and a dark palette: found as a mark must be on a list, a
// picker and the window, and on the accent of a selected row or entry, in the colour's hue.
TEST(SettingsSymbols, StatusDotsAreFoundWhereverTheyStand) {
    for (const QPalette& palette : {QApplication::palette(), darkPalette()}) {
        for (const AppColor appColor : allAppColors) {
            const QColor hue = Style::color(appColor);
            const QIcon dot = colourDot(appColor, palette);
            const struct {
                QIcon::Mode mode;
                QList<QPalette::ColorRole> grounds;
            } places[] = {{QIcon::Normal, {QPalette::Base, QPalette::Window}},
                          {QIcon::Selected, {QPalette::Highlight}},
                          {QIcon::Active, {QPalette::Highlight}}};
            for (const auto& place : places) {
                const std::optional<QColor> drawn = soleColour(dot.pixmap(16, place.mode).toImage());
                ASSERT_TRUE(drawn) << hue.name().toStdString();
                for (const QPalette::ColorRole ground : place.grounds)
                    EXPECT_GE(Contrast::ratio(*drawn, palette.color(ground)), Contrast::marks)
                        << hue.name().toStdString() << " in mode " << place.mode << " on " << ground;
                if (hue.hslSaturationF() > 0.2) {
                    EXPECT_TRUE(sameHue(*drawn, hue)) << drawn->name().toStdString();
                }
            }
        }
    }
}
