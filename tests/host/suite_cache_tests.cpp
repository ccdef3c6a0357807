// SuiteCache against the fake host's basic suite: acquire once, release exactly
// what was acquired, and report every failure as the host's code 516.
#include <gtest/gtest.h>

#include "fake_host.h"
#include "suite_cache.h"

namespace {

const SuiteCall AnsiSuite1{"PF ANSI Suite", 1};

TEST(SuiteCache, AcquiresOnFirstRequestAndReleasesOnceAtTheEnd)
{
    FakeHost host;
    {
        SuiteCache suites(&host.basic);
        const PF_ANSISuite1* first = suites.AnsiSuite();
        const PF_ANSISuite1* second = suites.AnsiSuite();
        EXPECT_EQ(first, &host.ansi);
        EXPECT_EQ(second, first);
        EXPECT_EQ(host.acquired, std::vector<SuiteCall>{AnsiSuite1});
        EXPECT_TRUE(host.released.empty());
    }
    EXPECT_EQ(host.released, std::vector<SuiteCall>{AnsiSuite1});
}

TEST(SuiteCache, ReleasesNothingItDidNotAcquire)
{
    FakeHost host;
    {
        SuiteCache unused(&host.basic);
    }
    EXPECT_TRUE(host.acquired.empty());
    EXPECT_TRUE(host.released.empty());

    for (FakeHost::SuiteAnswer refusal : {FakeHost::SuiteAnswer::RefuseWithError, FakeHost::SuiteAnswer::GiveNull}) {
        host.suiteAnswer = refusal;
        {
            SuiteCache suites(&host.basic);
            try {
                suites.AnsiSuite();
                ADD_FAILURE() << "a refused suite must throw";
            } catch (PF_Err err) {
                EXPECT_EQ(err, PF_Err_BAD_CALLBACK_PARAM);
            }
        }
        EXPECT_TRUE(host.released.empty());
    }
}

TEST(SuiteCache, MissingBasicSuiteOrAcquireCallbackThrows516)
{
    try {
        SuiteCache suites(nullptr);
        ADD_FAILURE() << "a null basic suite must throw";
    } catch (PF_Err err) {
        EXPECT_EQ(err, PF_Err_BAD_CALLBACK_PARAM);
    }

    FakeHost host;
    host.basic.AcquireSuite = nullptr;
    SuiteCache suites(&host.basic);
    EXPECT_THROW(suites.AnsiSuite(), PF_Err);
}

}  // namespace
