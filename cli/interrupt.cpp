// The interrupt flag, raised by SIGINT on Linux and by the console's Ctrl-C or
// Ctrl-Break event on Windows (delivered on a thread of its own, hence atomic).
#include "interrupt.h"

#include <atomic>

#if defined(_WIN32)
#include <windows.h>
#else
#include <csignal>
#endif

namespace {

std::atomic<bool> interrupted{false};

#if defined(_WIN32)
BOOL WINAPI OnConsoleControl(DWORD event)
{
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
    interrupted = true;
    return TRUE;
}
#else
void OnInterruptSignal(int)
{
    interrupted = true;
}
#endif

}  // namespace

void CatchInterrupts()
{
#if defined(_WIN32)
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
#else
    std::signal(SIGINT, OnInterruptSignal);
#endif
}

bool InterruptRequested()
{
    return interrupted;
}
