// The dots per inch a test run's desktop scale stands for, as its CTest entry states it.
#pragma once

#include <QtGlobal>

inline int ExpectedDpi()
{
    bool ok = false;
    const int dpi = qEnvironmentVariableIntValue("TESSARO_EXPECTED_DPI", &ok);
    return ok ? dpi : 96;
}
