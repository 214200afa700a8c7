// The judges of the closing tasks 25 and 26: the homonym with a plural-only meaning.

#include "screens/closing/Step10Tasks.h"
#include "tests/JudgeTables.h"

namespace {

TEST(ClosingTasks, Task25Vile) {
    // Vile ne koriste vile.
    judges::expectOnlyMarking<bool, 4>(tasks::task25Solved, {false, false, false, true});
}

TEST(ClosingTasks, Task26Usta) {
    // On usta i otvori usta našavši se u čudu.
    judges::expectOnlyMarking<bool, 9>(tasks::task26Solved,
                                       {false, false, false, false, true, false, false, false, false});
    EXPECT_FALSE(tasks::task26Solved({false, true, false, false, false, false, false, false, false}))
        << "the first usta, the verb, in place of the noun";
}

} // namespace
