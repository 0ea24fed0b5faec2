#include "core/model/NumberFormat.h"
#include "core/statistics/Statistics.h"

#include <QStringList>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Blanks allowed around a position: tabs and the space separators, but never a line break.
bool isBlank(QChar c) {
    return c == u'\t' || c.category() == QChar::Separator_Space;
}

// For every index, the index of the first `wanted` character at or after it (text.size() when none),
// built in one backward pass so that a template full of unmatched braces still renders in linear time.
std::vector<qsizetype> nextIndexOf(QStringView text, QChar wanted) {
    std::vector<qsizetype> next(text.size() + 1, text.size());
    for (qsizetype i = text.size() - 1; i >= 0; --i)
        next[i] = text[i] == wanted ? i : next[i + 1];
    return next;
}

// The position written in a placeholder's first part: blanks or tabs around an optional "+" and ASCII
// digits. A leading "-" can only give a position below 1, so it fails like any other non-position, as
// does a number beyond the 64-bit range. Parsing stops at the first character that cannot belong.
std::optional<std::int64_t> readPosition(QStringView part) {
    qsizetype i = 0;
    while (i < part.size() && isBlank(part[i]))
        ++i;
    if (i < part.size() && part[i] == u'+')
        ++i;
    const qsizetype digitsStart = i;
    std::int64_t number = 0;
    for (; i < part.size() && part[i] >= u'0' && part[i] <= u'9'; ++i) {
        const int digit = part[i].unicode() - u'0';
        if (number > (std::numeric_limits<std::int64_t>::max() - digit) / 10)
            return std::nullopt;
        number = number * 10 + digit;
    }
    if (i == digitsStart)
        return std::nullopt;
    while (i < part.size() && isBlank(part[i]))
        ++i;
    if (i != part.size())
        return std::nullopt;
    return number;
}

// The word form for a value: the plural rule on whole numbers; a fraction, or a number too large to be
// read as a whole count, takes the form for 2.
const QString& wordForm(double value, const NounForms& forms) {
    if (value != std::floor(value) || !(std::abs(value) < 1e15))
        return forms.few;
    return forms(static_cast<std::int64_t>(value));
}

} // namespace

namespace Statistics {

int fractionDigits(const MetricDef& metric) {
    switch (metric.kind) {
    case MetricKind::ratio:
        return 1;
    case MetricKind::average:
        return 0;
    default:
        return 2;
    }
}

QString format(double value, const MetricDef& metric) {
    return NumberFormat::display(value, metric.kind == MetricKind::ratio ? u"%"_s : metric.unit,
                                 fractionDigits(metric));
}

QString render(const QString& reportTemplate, const QList<double>& values) {
    const QStringView text = reportTemplate;
    const std::vector<qsizetype> nextClose = nextIndexOf(text, u'}');
    const std::vector<qsizetype> nextBar = nextIndexOf(text, u'|');
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        const qsizetype close = c == u'{' ? nextClose[i + 1] : text.size();
        if (close == text.size()) {
            out += c;
            ++i;
            continue;
        }
        const qsizetype firstEnd = std::min(nextBar[i + 1], close);
        const std::optional<std::int64_t> position = readPosition(text.sliced(i + 1, firstEnd - i - 1));
        if (!position || *position < 1 || *position > values.size()) {
            out += c; // only the brace: what follows is read again, so a placeholder inside still fills
            ++i;
            continue;
        }
        const double value = values[*position - 1];
        // Split the rest of the placeholder at its bars; a fifth part is enough to know it is not a form.
        QList<QStringView> forms;
        qsizetype from = firstEnd + 1;
        while (from <= close && forms.size() < 4) {
            const qsizetype end = std::min(nextBar[from], close);
            forms.append(text.sliced(from, end - from));
            from = end + 1;
        }
        if (firstEnd == close)
            out += NumberFormat::display(value, QString(), 2);
        else if (forms.size() == 3 && from > close)
            out += wordForm(value, NounForms{forms[0].toString(), forms[1].toString(), forms[2].toString()});
        else
            out += text.sliced(i, close - i + 1);
        i = close + 1;
    }
    return out;
}

QString report(const Journal& journal, const QList<MetricResult>& results) {
    const QString trimmed = journal.reportTemplate.trimmed();
    if (trimmed.isEmpty()) {
        QStringList parts;
        for (const MetricResult& result : results)
            parts.append(result.metric.title.toLower() + u" — "_s + format(result.value, result.metric));
        return u"За период: "_s + parts.join(u", "_s);
    }
    QList<double> values;
    values.reserve(results.size());
    for (const MetricResult& result : results) {
        switch (result.metric.kind) {
        case MetricKind::average:
            values.append(std::round(result.value));
            break;
        case MetricKind::ratio:
            values.append(std::round(result.value * 10) / 10);
            break;
        default:
            values.append(result.value);
            break;
        }
    }
    return render(trimmed, values);
}

} // namespace Statistics
