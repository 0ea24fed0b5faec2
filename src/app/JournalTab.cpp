#include "app/JournalTab.h"

#include "core/model/EnumTable.h"

namespace {

constexpr auto tabRows = std::to_array<EnumRow<JournalTab>>({
    {JournalTab::dashboard, u"dashboard", {}},
    {JournalTab::records, u"records", {}},
});
static_assert(EnumTable::inCaseOrder(tabRows));

} // namespace

QString rawValue(JournalTab tab) {
    return EnumTable::rawValue(tabRows, tab);
}
