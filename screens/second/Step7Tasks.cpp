#include "screens/second/Step7Tasks.h"

#include "course/Checks.h"

using namespace checks;

namespace tasks {

int task17Errors(const QStringList& expected, const QStringList& picked) {
    return twoWayMisses(normalAll(expected), normalAll(picked), [](const QString& e, const QString& p) {
        const QString entry = clean(p);
        if (entry == clean(e))
            return true;
        // četovanja, written with or without č
        return trimSpaces(e) == u"cetovanja" && entry.endsWith(u"ETOVANJA");
    });
}

int task18Errors(const std::array<QString, 12>& boxes) {
    // Text14 (zviždati) and Text17 (trčati) are judged by their letters; the others must read exactly.
    static const std::array<QStringView, 12> forms = {
        u"PISANJE", u"PLAKANJE",  u"PEVANJE", u"LJUBLJENJE", u"PLIVANJE",   u"ZVIŽDANJE",
        u"CRTANJE", u"BOLOVANJE", u"TRČANJE", u"IGRANJE",    u"SKLANJANJE", u"ZASTAKLJIVANJE"};
    constexpr std::size_t zvizdanje = 5; // Text14
    constexpr std::size_t trcanje = 8;   // Text17

    int errors = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (i != zvizdanje && i != trcanje && clean(boxes[i]) != forms[i])
            errors = 1;
    }
    const QString zv = normal(boxes[zvizdanje]);
    const QString tr = normal(boxes[trcanje]);
    if (trimSpaces(zv).isEmpty() || trimSpaces(tr).isEmpty())
        errors = 1;
    // Read as typed, not trimmed first: ZVI..., ...DANJE or Ž in fourth place; TR..., ...ANJE or Č in third.
    if (!prefixSuffixOrLetter(zv, u"ZVI", u"DANJE", 4, u'Ž'))
        errors = 1;
    if (!prefixSuffixOrLetter(tr, u"TR", u"ANJE", 3, u'Č'))
        errors = 1;
    return errors;
}

} // namespace tasks
