#pragma once

// Judge of the first task of step 10, on the second lesson screen: task 24 (mark the pluralia tantum).

#include <array>

namespace tasks {

// Task 24, the marks of Label77 ... Label82: only NEDRA, PANTALONE, and MERDEVINE. marked.
bool task24Solved(const std::array<bool, 6>& marked);

} // namespace tasks
