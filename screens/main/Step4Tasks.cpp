#include "screens/main/Step4Tasks.h"

#include "course/Checks.h"

using namespace checks;

namespace tasks {

int task8Errors(const std::array<QString, 4>& boxes) {
    // Singular and plural are both right: balls, mothers, an aeroplane, a letter.
    static const std::array<std::array<QStringView, 2>, 4> accepted = {
        {{u"LOPTA", u"LOPTE"}, {u"MAJKA", u"MAJKE"}, {u"AVION", u"AVIONI"}, {u"PISMO", u"PISMA"}}};
    int errors = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const QString a = clean(boxes[i]);
        if (a != accepted[i][0] && a != accepted[i][1])
            ++errors;
    }
    return errors;
}

int task9Errors(const QStringList& expected, const QStringList& picked) {
    return twoWayMisses(normalAll(expected), normalAll(picked), [](const QString& e, const QString& p) {
        if (e == u"povrsina") // Površina, written with or without š, in any capitals
            return capitals(left(p, 4)) == u"POVR" && capitals(right(p, 3)) == u"INA";
        return capitals(p) == capitals(e);
    });
}

int task10Errors(const QString& text48) {
    const QString raw = normal(text48);
    const QString u = capitals(raw);
    int errors = 0;
    if (!u.contains(u"PESNIK")) // pesnik, pesniku
        ++errors;
    if (!u.contains(u"PODLAC"))
        ++errors;
    if (!u.contains(u"PIJANICA"))
        ++errors;
    if (!u.contains(u"KOCKAR"))
        ++errors;
    // čovek and špijun may be left out, or written without their č and š; written with another letter in
    // that place they count as misspelt. At the very start of the line there is no letter before the word:
    // charAt then gives QChar(), which counts as a misspelling too.
    if (!u.contains(u"COVEK") && u.contains(u"OVEK")) {
        if (charAt(u, u.indexOf(u"OVEK")) != u'Č')
            ++errors;
    }
    if (!u.contains(u"SPIJUN") && u.contains(u"PIJUN")) {
        if (charAt(u, u.indexOf(u"PIJUN")) != u'Š')
            ++errors;
    }
    // A longer line would let the pupil copy the whole passage.
    if (raw.size() > 55)
        errors = 1;
    return errors;
}

} // namespace tasks
