#include "model/DateFormat.h"
#include "TestSupport.h"

#include <algorithm>
#include <random>

using namespace Qt::StringLiterals;
using namespace testsupport;

namespace {
const Calendar moscow{zone("Europe/Moscow")};
const Calendar santiago{zone("America/Santiago")};
const Clock midJune2026 = [] { return utc(2026, 6, 15, 12); };
} // namespace

TEST(DateFormat, ShortTextAndParse) {
    EXPECT_EQ(DateFormat::shortText(QDate(12, 11, 30)), u"30.11.0012");
    EXPECT_EQ(DateFormat::shortText(QDateTime()), QString());

    const struct {
        QString in;
        QDate day; // invalid: no date
    } cases[] = {{u" 5.3.2024 \n"_s, {2024, 3, 5}},
                 // Two-digit years fall from 80 years before to 20 years after today.
                 {u"5.3.46"_s, {2046, 3, 5}},
                 {u"5.3.47"_s, {1947, 3, 5}},
                 {u"2024-3-05"_s, {2024, 3, 5}},
                 {u"5/03/2024"_s, {2024, 3, 5}},
                 // A time with an offset is taken on its day in the calendar's zone.
                 {u"2024-03-05T23:30:00+0000"_s, {2024, 3, 6}},
                 {u"2024-03-06T01:00:00+05:00"_s, {2024, 3, 5}},
                 {u"05.03.2024 9:30"_s, {2024, 3, 5}},
                 {u"31.02.2024"_s, {}},
                 {u"5 марта 2024"_s, {}},
                 {u"05.03.024"_s, {}},
                 {u"5/3/24"_s, {}},
                 {u"05.03.0000"_s, {}},
                 // Days whose first instant falls outside the years 1-9999 in UTC could never be saved.
                 {u"01.01.0001"_s, {}},
                 {u"9999-12-31T23:00:00-1800"_s, {}},
                 {u"2024-03-05T14:30:00"_s, {}},
                 {u"１２.03.2024"_s, {}}};
    for (const auto& c : cases) {
        const auto expected = c.day.isValid() ? std::optional(moscow.startOfDay(c.day)) : std::nullopt;
        EXPECT_EQ(DateFormat::parse(c.in, moscow, midJune2026), expected) << c.in.toStdString();
    }
    // Santiago skipped 00:00 on 2024-09-08: the day starts at 01:00.
    EXPECT_EQ(DateFormat::parse(u"08.09.2024", santiago, systemNow), at("America/Santiago", 2024, 9, 8, 1));
    // Samoa skipped 2011-12-30 whole: that day has no first instant to store.
    EXPECT_EQ(DateFormat::parse(u"30.12.2011", Calendar{zone("Pacific/Apia")}, systemNow), std::nullopt);
}

TEST(DateFormat, ShortTextIsTheZonesDayAtEveryInstant) {
    // Around every transition of zones with daylight saving, half-hour shifts, changed standard offsets
    // and a skipped day, probed in a random order next to each other so that the stretches on both sides
    // are known when the transition itself is probed; then instants spread over the years; then all of
    // them once more, taking turns between the zones.
    const char* const names[] = {"Europe/Berlin",       "America/Santiago", "Europe/Moscow",
                                 "Australia/Lord_Howe", "Pacific/Apia",     "America/St_Johns"};
    std::mt19937_64 rng(7);
    const qint64 first = utc(1, 1, 2).toMSecsSinceEpoch(), last = utc(9999, 12, 30).toMSecsSinceEpoch();
    QList<std::pair<Calendar, QDateTime>> all;
    const auto check = [](const Calendar& calendar, const QDateTime& instant) {
        ASSERT_EQ(DateFormat::shortText(instant, calendar),
                  DateFormat::shortText(instant.toTimeZone(calendar.timeZone).date()))
            << calendar.timeZone.id().toStdString() << " "
            << instant.toString(Qt::ISODateWithMs).toStdString();
    };
    for (const char* name : names) {
        const Calendar calendar{zone(name)};
        QList<QDateTime> probes;
        auto transitions = calendar.timeZone.transitions(utc(1850, 1, 1), utc(2100, 1, 1));
        std::shuffle(transitions.begin(), transitions.end(), rng);
        for (const auto& t : transitions) {
            QList<QDateTime> near;
            for (const qint64 ms : {-3'600'000, -1, 0, 1, 3'600'000})
                near.append(t.atUtc.addMSecs(ms));
            std::shuffle(near.begin(), near.end(), rng);
            probes += near;
        }
        for (int i = 0; i < 300; ++i)
            probes.append(
                QDateTime::fromMSecsSinceEpoch(first + qint64(rng() % quint64(last - first)), Qt::UTC));
        for (const QDateTime& instant : probes) {
            check(calendar, instant);
            all.append({calendar, instant});
        }
    }
    std::shuffle(all.begin(), all.end(), rng);
    for (const auto& [calendar, instant] : all)
        check(calendar, instant);
}
