// A test program whose run leaves no test to run fails, saying so: a filter, a shard or any other setting
// that selects nothing never passes as if the tests had run. Compiled into every test program; listing the
// tests (--gtest_list_tests) runs none and is not a run.
#include <gtest/gtest.h>

namespace {

class NoTestRanFails : public testing::EmptyTestEventListener {
    // Called before the result printer's end of the run (GoogleTest calls the listeners' ends in reverse
    // order), so the failure stands in the run's summary and the program's status.
    void OnTestIterationEnd(const testing::UnitTest& unit, int) override {
        if (unit.test_to_run_count() == 0)
            ADD_FAILURE() << "no test ran: the filter '" << testing::GTEST_FLAG(filter) << "' selects none";
    }
};

const bool g_added = [] {
    testing::UnitTest::GetInstance()->listeners().Append(new NoTestRanFails);
    return true;
}();

}  // namespace
