#include "screens/main/Step6Tasks.h"

namespace tasks {

bool task13Solved(const std::array<bool, 6>& marked) {
    // OLOVKA, MISAO, RAVNOPRAVNOST, PRAVDA, KNJIGA, USPOMENA.
    return marked == std::array<bool, 6>{false, false, true, true, false, false};
}

bool task14Solved(const std::array<bool, 8>& marked) {
    // SLIKA, SETA, MOLBA, SLOVO, KAŠIKA, LJUBAV, STRAH, TOČAK.
    return marked == std::array<bool, 8>{false, true, false, false, false, true, true, false};
}

} // namespace tasks
