#include "views/importing/ImportFlow.h"

#include "app/AppRouter.h"
#include "app/importing/ImportFile.h"
#include "core/store/AppStore.h"
#include "views/kit/WaitCursor.h"

void ImportFlow::fileChosen(const AppStore& store, AppRouter& router, const QString& path) {
    const std::optional<Journal> target = store.journal(router.importTargetID());
    if (!target)
        return;
    std::optional<QString> failure;
    {
        // Building the preview of a large file takes as long as reading it: the cursor stays until the
        // sheet, which the router's announcement builds and opens, is up.
        const WaitCursor wait;
        Importing::ImportOutcome outcome =
            Importing::readImportFile(path, *target, router.calendar(), router.clock());
        if (auto* item = std::get_if<ImportPreviewItem>(&outcome))
            router.setImportPreview(std::move(*item));
        else
            failure = std::move(std::get<QString>(outcome));
    }
    if (failure)
        router.setMessage(*failure, AppRouter::MessageKind::failure);
}
