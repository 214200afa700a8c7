#include "screens/main/Step3Tasks.h"

#include "course/Checks.h"

#include <algorithm>

using namespace checks;

namespace tasks {

int task6Errors(const QStringList& expected, const QStringList& picked) {
    return twoWayMisses(normalAll(expected), normalAll(picked),
                        [](const QString& e, const QString& p) { return p == e; });
}

int task7Errors(const std::array<QString, 4>& boxes) {
    static const std::array<QStringView, 8> planets = {u"MERKUR",  u"VENERA", u"ZEMLJA", u"MARS",
                                                       u"JUPITER", u"SATURN", u"URAN",   u"NEPTUN"};
    std::array<QString, 4> names;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        names[i] = clean(boxes[i]);

    int errors = 0;
    for (std::size_t x = 0; x < boxes.size(); ++x) {
        if (boxes[x].isEmpty()) {
            ++errors;
            continue;
        }
        if (std::find(planets.cbegin(), planets.cend(), names[x]) == planets.cend()) {
            ++errors;
            continue;
        }
        // A planet named twice is counted from both boxes.
        for (std::size_t y = 0; y < boxes.size(); ++y) {
            if (y != x && !boxes[y].isEmpty() && names[y] == names[x])
                ++errors;
        }
    }
    return errors;
}

} // namespace tasks
