// A render shared out among workers each on a thread of its own gives the serial
// bytes for any worker count; ThreadSanitizer runs it for races between shares.
#include "spread_checks.h"

namespace {

TEST(ThreadedSpread, GivesTheSerialBytesForAnyWorkerCount)
{
    spread::ExpectSerialBytesForEveryWorkerCount(TestWorkers::Run::Threads);
}

}  // namespace
