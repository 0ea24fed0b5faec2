// Feeds arbitrary text to the link, date and number readers and checks what every caller relies on.
#include "journal/TextNormalizer.h"
#include "model/DateFormat.h"
#include "model/Ids.h"
#include "model/LinkTools.h"
#include "model/NumberFormat.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>

// Last: Qt's headers use the name of the macro.
#include "FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));

    const QString key = TextNormalizer::compare(text);
    const QString reduced = TextNormalizer::reduced(text);
    // Marks and prepended signs may share a character with a blank, which then is no separator; without
    // them a key is trimmed, single-spaced and its own key.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x300; })) {
        check(TextNormalizer::compare(key) == key);
        check(!key.startsWith(u' ') && !key.endsWith(u' ') && !key.contains(u"  "));
        check(TextNormalizer::reduced(key) == reduced);
        check(!reduced.contains(u' '));
    }

    const QString link = LinkTools::normalized(text);
    check(LinkTools::normalized(link) == link);
    if (const auto url = LinkTools::url(text)) {
        check(url->scheme() == u"http" || url->scheme() == u"https");
        check(url->host().contains(u'.'));
        check(!LinkTools::isInvalid(text));
    }
    if (text.trimmed().isEmpty())
        check(!LinkTools::isInvalid(text));

    static const Calendar calendar{QTimeZone(QByteArrayLiteral("Europe/Berlin"))};
    static const QDateTime now = QDateTime(QDate(2026, 6, 15), QTime(12, 0), Qt::UTC);
    if (const auto day = DateFormat::parse(text, calendar, [] { return now; })) {
        check(day->isValid());
        check(*day == calendar.startOfDay(*day));
        check(!storedDateText(*day).isEmpty()); // the data file can hold it
        // The short form of a parsed day reads back as the same day.
        check(DateFormat::parse(DateFormat::shortText(*day, calendar), calendar, [] { return now; }) == day);
    }

    if (const auto number = NumberFormat::parse(text)) {
        check(std::isfinite(*number));
        const QString plain = NumberFormat::string(*number);
        const auto again = NumberFormat::parse(plain);
        check(again.has_value());
        // Below 2^46 two-decimal texts name distinct doubles, so the plain form is a fixed point; above it,
        // rounding a value to hundredths may land on a neighbour, but only once.
        if (std::fabs(*number) < 7.0e13)
            check(NumberFormat::string(*again) == plain);
        else
            check(NumberFormat::string(NumberFormat::parse(NumberFormat::string(*again)).value()) ==
                  NumberFormat::string(*again));
        check(!NumberFormat::display(*number, QString(), int(size % 20) - 2).isEmpty());
    }
    return 0;
}
