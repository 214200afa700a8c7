#include "screens/main/Step1Tasks.h"

#include "course/Checks.h"

using namespace checks;

namespace tasks {

namespace {

// Four nouns of the text carry č, ć or š and are stored without them; they are matched by their other letters
// so that the picked word, which keeps its letters, still counts. Everything is case-sensitive.
bool task1Matches(const QString& expected, const QString& picked) {
    const QString e = trimSpaces(expected);
    if (e == u"ocima") // očima
        return left(picked, 1) == u"o" && right(picked, 3) == u"ima";
    if (e == u"muskarci") // muškarci
        return left(picked, 2) == u"mu" && right(picked, 5) == u"karci";
    if (e == u"moc") // moć: only the first two letters, so "mogao" and "mojoj" count as well
        return left(picked, 2) == u"mo";
    if (e == u"velicine") // veličine
        return left(picked, 4) == u"veli" && right(picked, 3) == u"ine";
    return trimSpaces(picked) == e;
}

} // namespace

bool task1Solved(const QStringList& expected, const QStringList& picked) {
    return twoWayMisses(normalAll(expected), normalAll(picked), task1Matches) == 0;
}

bool task2Solved(const QString& text4, const QString& text5, const QString& text6) {
    // PADEZ and PADEŽ are one category; anything else is no category at all.
    const auto category = [](const QString& box) -> int {
        const QString a = clean(box);
        if (a == u"ROD")
            return 1;
        if (a == u"BROJ")
            return 2;
        if (a == u"PADEZ" || a == u"PADEŽ")
            return 3;
        return 0;
    };
    const int a = category(text4);
    const int b = category(text5);
    const int c = category(text6);
    return a != 0 && b != 0 && c != 0 && a != b && a != c && b != c;
}

} // namespace tasks
