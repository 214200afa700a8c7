#include "screens/second/Step9Tasks.h"

#include "course/Checks.h"

using namespace checks;

namespace tasks {

int task21Errors(const QString& text31, const QString& text32) {
    const QString a = clean(text31);
    const QString b = clean(text32);
    const bool right = (a == u"ŠLJUNAK" && b == u"CEMENT") || (b == u"ŠLJUNAK" && a == u"CEMENT");
    return right ? 0 : 1;
}

bool task22Solved(const std::array<int, 9>& values) {
    // voda, so, ulje, mast, tanjir, meso, supa, sos, nož: a box is either ticked (1) or not (0).
    return values == std::array<int, 9>{0, 0, 0, 0, 1, 0, 0, 0, 1};
}

bool task23Solved(bool shape8Visible) {
    return shape8Visible;
}

} // namespace tasks
