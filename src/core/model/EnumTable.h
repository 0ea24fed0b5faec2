#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <type_traits>

// The texts of an enum's cases as one table: a row a case, in the enum's declared order, so that a case
// finds its row by its value. Every text function of an enum (rawValue, title, symbol, …FromRaw) reads its
// table through these helpers. A table is declared next to its functions and checked there at compile time:
//
//     constexpr auto colorRows = std::to_array<EnumRow<AppColor>>({{AppColor::gray, u"gray", u"Серый"}, …});
//     static_assert(EnumTable::inCaseOrder(colorRows));

// One case: its value, its stored text (the case's name exactly), its Russian title and, for the enums
// that show one, the symbol beside it. A text the enum does not have is empty.
template <typename Enum> struct EnumRow {
    Enum value;
    std::u16string_view rawValue;
    std::u16string_view title;
    std::u16string_view symbol = {};
};

namespace EnumTable {

// True when row i holds the case whose value is i, for every row.
template <typename Enum, std::size_t N> constexpr bool inCaseOrder(const std::array<EnumRow<Enum>, N>& rows) {
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<std::size_t>(static_cast<std::underlying_type_t<Enum>>(rows[i].value)) != i)
            return false;
    }
    return true;
}

// The cases of the table in its order.
template <typename Enum, std::size_t N>
constexpr std::array<Enum, N> cases(const std::array<EnumRow<Enum>, N>& rows) {
    std::array<Enum, N> values{};
    for (std::size_t i = 0; i < N; ++i)
        values[i] = rows[i].value;
    return values;
}

// The row of a case; null for a value that is none of the table's (a number cast to the enum).
template <typename Enum, std::size_t N>
constexpr const EnumRow<Enum>* rowOf(const std::array<EnumRow<Enum>, N>& rows, Enum value) {
    using Underlying = std::underlying_type_t<Enum>;
    // A negative value turns into a huge unsigned one, which is past the table too.
    const auto position = static_cast<std::make_unsigned_t<Underlying>>(static_cast<Underlying>(value));
    return position < N ? &rows[position] : nullptr;
}

// A text of a table as a QString reading the table's own characters, without a copy.
inline QString text(std::u16string_view of) {
    return of.empty() ? QString()
                      : QString::fromRawData(reinterpret_cast<const QChar*>(of.data()), qsizetype(of.size()));
}

// The texts of a case; empty for a value that is none of the table's.
template <typename Enum, std::size_t N>
QString rawValue(const std::array<EnumRow<Enum>, N>& rows, Enum value) {
    const EnumRow<Enum>* row = rowOf(rows, value);
    return row ? text(row->rawValue) : QString();
}
template <typename Enum, std::size_t N> QString title(const std::array<EnumRow<Enum>, N>& rows, Enum value) {
    const EnumRow<Enum>* row = rowOf(rows, value);
    return row ? text(row->title) : QString();
}
template <typename Enum, std::size_t N> QString symbol(const std::array<EnumRow<Enum>, N>& rows, Enum value) {
    const EnumRow<Enum>* row = rowOf(rows, value);
    return row ? text(row->symbol) : QString();
}

// The case whose stored text is exactly `text` (letter case counts); nothing for any other text.
template <typename Enum, std::size_t N>
std::optional<Enum> fromRaw(const std::array<EnumRow<Enum>, N>& rows, QStringView text) {
    for (const EnumRow<Enum>& row : rows) {
        if (QStringView(row.rawValue.data(), qsizetype(row.rawValue.size())) == text)
            return row.value;
    }
    return std::nullopt;
}

} // namespace EnumTable
