#include "gui/platform/backgroundthread.h"

#include <sys/resource.h>

namespace pagoranto {

namespace {

// A weight of about a third of a thread at the default niceness; lower would starve it beside
// other programs.
constexpr int backgroundNiceness = 5;

} // namespace

void RunAsBackgroundThread()
{
    // On Linux the niceness belongs to the thread, and 0 names the caller. Failing leaves the
    // thread as it was, which is merely slower for the window.
    setpriority(PRIO_PROCESS, 0, backgroundNiceness);
}

} // namespace pagoranto
