#include "screens/closing/Step10Tasks.h"

namespace tasks {

bool task25Solved(const std::array<bool, 4>& marked) {
    return marked == std::array<bool, 4>{false, false, false, true};
}

bool task26Solved(const std::array<bool, 9>& marked) {
    return marked == std::array<bool, 9>{false, false, false, false, true, false, false, false, false};
}

} // namespace tasks
