#include "screens/second/Step6Tasks.h"

#include "course/Checks.h"

#include <QStringList>

using namespace checks;

namespace tasks {

bool task15Solved(const std::array<bool, 6>& marked) {
    // MUDROST, BICIKL, UŽAS, PLAŠLJIVOST, BEŽANJE, ZADATAK.
    return marked == std::array<bool, 6>{true, false, false, true, false, false};
}

int task16Errors(const std::array<QString, 4>& boxes) {
    static const std::array<QStringList, 4> accepted = {
        QStringList{QStringLiteral("JEDNAKOST")}, QStringList{QStringLiteral("STRAH")},
        QStringList{QStringLiteral("LJUBAV"), QStringLiteral("ZALJUBLJENOST")},
        QStringList{QStringLiteral("PAMET")}};
    int errors = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (!accepted[i].contains(clean(boxes[i])))
            ++errors;
    }
    return errors;
}

} // namespace tasks
