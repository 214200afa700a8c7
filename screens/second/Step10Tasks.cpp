#include "screens/second/Step10Tasks.h"

namespace tasks {

bool task24Solved(const std::array<bool, 6>& marked) {
    // JATA, NEDRA, STADO, PANTALONE, LOPTE, MERDEVINE.
    return marked == std::array<bool, 6>{false, true, false, true, false, true};
}

} // namespace tasks
