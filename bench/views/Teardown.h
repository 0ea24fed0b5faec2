#pragma once

#include <functional>

// Shared fixtures that hold widgets must be freed while the application object still exists, which static
// objects outlive: they hand their freeing here, and main() runs it before the application goes.
void atTeardown(std::function<void()> work);
void tearDown();
