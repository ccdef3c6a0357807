// Ctrl-C: once CatchInterrupts has run, Ctrl-C no longer ends talvenor at once but
// raises a flag that InterruptRequested reports, so a render can stop cleanly.
#pragma once

void CatchInterrupts();
bool InterruptRequested();
