#pragma once

#include <cstdio>
#include <cstdlib>

// Stops the run, naming the line of the broken invariant. Include after every other header: Qt's own
// headers use the name.
#define check(condition)                                                                                     \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "invariant broken at line %d\n", __LINE__);                                 \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)
