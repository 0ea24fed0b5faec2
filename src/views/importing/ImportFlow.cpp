#include "views/importing/ImportFlow.h"

#include "app/AppRouter.h"
#include "app/importing/ImportFile.h"
#include "core/store/Store.h"
#include "views/kit/WaitCursor.h"

void ImportFlow::fileChosen(const AppStore& store, AppRouter& router, const QString& path) {
    const std::optional<Journal> target = store.journal(router.importTargetID());
    if (!target)
        return;
    importing::ImportOutcome outcome = [&] {
        const WaitCursor wait;
        return importing::readImportFile(path, *target, router.calendar(), router.clock());
    }();
    if (auto* item = std::get_if<ImportPreviewItem>(&outcome))
        router.setImportPreview(std::move(*item));
    else
        router.setMessage(std::get<QString>(outcome), AppRouter::MessageKind::failure);
}
