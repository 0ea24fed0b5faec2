#pragma once

#include <QString>

class AppRouter;
class AppStore;

namespace ImportFlow {

// The open panel chose `path` for the import the router was asked for: the file is read into the target
// journal under the wait cursor, and either the import preview's item or the message why it cannot be read
// goes to the router. The target is looked up now: a journal deleted while the panel was up gets nothing,
// and no notice.
void fileChosen(const AppStore& store, AppRouter& router, const QString& path);

} // namespace ImportFlow
