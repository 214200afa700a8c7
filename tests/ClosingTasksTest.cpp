// The judges of the closing tasks 25 and 26: the homonym with a plural-only meaning.

#include "screens/closing/Step10Tasks.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>

namespace {

// A sentence of word labels: the right marking is solved, and so is nothing that differs from it in one
// label.
template <std::size_t N>
void expectOnlyMarking(bool (*solved)(const std::array<bool, N>&), const std::array<bool, N>& right,
                       const std::array<const char*, N>& words) {
    EXPECT_TRUE(solved(right));
    for (std::size_t i = 0; i < N; ++i) {
        std::array<bool, N> flipped = right;
        flipped[i] = !flipped[i];
        SCOPED_TRACE(std::string(right[i] ? "unmarked " : "also marked ") + words[i] + " (word " +
                     std::to_string(i + 1) + ")");
        EXPECT_FALSE(solved(flipped));
    }
    EXPECT_FALSE(solved(std::array<bool, N>{}));
    std::array<bool, N> all;
    all.fill(true);
    EXPECT_FALSE(solved(all));
}

TEST(ClosingTasks, Task25Vile) {
    expectOnlyMarking<4>(tasks::task25Solved, {false, false, false, true},
                         {"Vile", "ne", "koriste", "vile."});
}

TEST(ClosingTasks, Task26Usta) {
    expectOnlyMarking<9>(tasks::task26Solved, {false, false, false, false, true, false, false, false, false},
                         {"On", "usta", "i", "otvori", "usta", "našavši", "se", "u", "čudu."});
    // The first usta alone, or both of them, is the verb taken for the noun.
    EXPECT_FALSE(tasks::task26Solved({false, true, false, false, false, false, false, false, false}));
    EXPECT_FALSE(tasks::task26Solved({false, true, false, false, true, false, false, false, false}));
}

} // namespace
