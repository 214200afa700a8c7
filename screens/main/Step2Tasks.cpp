#include "screens/main/Step2Tasks.h"

#include "course/Checks.h"

#include <algorithm>
#include <initializer_list>

using namespace checks;

namespace tasks {

bool task3Solved(const std::array<QString, 24>& boxes) {
    static const std::array<QStringView, 24> forms = {
        // Krompir: G., D., A., V., I., L.
        u"KROMPIRA", u"KROMPIRU", u"KROMPIR", u"KROMPIRU", u"KROMPIROM", u"KROMPIRU",
        // Telo
        u"TELA", u"TELU", u"TELO", u"TELO", u"TELOM", u"TELU",
        // Krompiri
        u"KROMPIRA", u"KROMPIRIMA", u"KROMPIRE", u"KROMPIRI", u"KROMPIRIMA", u"KROMPIRIMA",
        // Tela
        u"TELA", u"TELIMA", u"TELA", u"TELA", u"TELIMA", u"TELIMA"};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (clean(boxes[i]) != forms[i])
            return false;
    }
    return true;
}

bool task4Solved(const QString& text32, const QString& text52) {
    // gramatički: the raw text begins with "gramati" and ends with "ki", or reads gramaticki once cleaned.
    const QString g = normal(text32);
    const bool text32Right =
        (capitals(left(g, 7)) == u"GRAMATI" && capitals(right(g, 2)) == u"KI") || clean(g) == u"GRAMATICKI";
    // živa: reads ziva once cleaned, or the raw text ends with "iva".
    const QString z = normal(text52);
    const bool text52Right = clean(z) == u"ZIVA" || capitals(right(z, 3)) == u"IVA";
    return text32Right && text52Right;
}

bool task5Solved(const QString& text33, const QString& text34) {
    const QString natural = capitals(normal(text33));
    const QString grammatical = capitals(normal(text34));
    const auto holdsAll = [](const QString& text, std::initializer_list<QStringView> words) {
        return std::all_of(words.begin(), words.end(), [&](QStringView w) { return text.contains(w); });
    };
    return holdsAll(natural, {u"MILAN", u"MAJKA", u"BRANKA", u"OVCA", u"MEDVED"}) &&
           holdsAll(grammatical, {u"SOK", u"RADOST", u"SNAGA", u"IGRA", u"BALET"}) &&
           (grammatical.contains(u"VEŠTINA") || grammatical.contains(u"VESTINA"));
}

} // namespace tasks
