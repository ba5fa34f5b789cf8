#pragma once

#include <QString>

#include <cstdio>
#include <cstdlib>

// Where the sources and the build's programs are (KEYLON2_TEST_DATA, KEYLON2_SOURCE_DIR,
// KEYLON2_TRANSLATIONS_DIR, KEYLON2CTL_DEMO, KEYLON2_VIRTUAL_READER, KEYLON2_PSEUDO_DIR).
// CTest hands them to each test in its environment instead of the compiler baking them in, so
// that a test's object is the same in every checkout and a compiler cache shared between
// checkouts (CI's fresh clone) finds it.
inline QString buildPath(const char *variable, const char *rest = "")
{
    const QString root = qEnvironmentVariable(variable);
    if (root.isEmpty()) {
        std::fprintf(stderr, "%s is not set: run the tests through ctest\n", variable);
        std::abort();
    }
    return root + QLatin1String(rest);
}
