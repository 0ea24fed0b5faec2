#include "Teardown.h"

#include <utility>
#include <vector>

namespace {

std::vector<std::function<void()>>& teardownWork() {
    static std::vector<std::function<void()>> work;
    return work;
}

} // namespace

void atTeardown(std::function<void()> work) {
    teardownWork().push_back(std::move(work));
}

void tearDown() {
    for (auto& work : std::exchange(teardownWork(), {}))
        work();
}
