#include "screens/main/Step5Tasks.h"

#include "course/Checks.h"

using namespace checks;

namespace tasks {

int task11Errors(const QStringList& expected, const QStringList& picked) {
    return twoWayMisses(normalAll(expected), normalAll(picked), [](const QString& e, const QString& p) {
        if (e == u"duso") // dušo, written with or without š, in any capitals
            return capitals(left(p, 2)) == u"DU" && capitals(right(p, 1)) == u"O";
        return capitals(p) == capitals(e);
    });
}

int task12Errors(const QStringList& expected, const QStringList& picked) {
    return twoWayMisses(normalAll(expected), normalAll(picked),
                        [](const QString& e, const QString& p) { return p == e; });
}

} // namespace tasks
