#include "screens/second/Step8Tasks.h"

#include "course/Checks.h"

using namespace checks;

namespace tasks {

bool task19Solved(bool shape5Visible, bool shape4Visible) {
    return shape4Visible && !shape5Visible;
}

int task20Errors(const std::array<QString, 8>& boxes) {
    // Text28 (siročad) and Text26 (cveće) are judged by their letters; the others must read exactly.
    static const std::array<QStringView, 8> forms = {u"TRNJE", u"SIROČAD",  u"PLEMSTVO", u"CVEĆE",
                                                     u"PILAD", u"PRSTENJE", u"KESTENJE", u"GOSPODA"};
    constexpr std::size_t sirocad = 1; // Text28
    constexpr std::size_t cvece = 3;   // Text26

    int errors = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (i != sirocad && i != cvece && clean(boxes[i]) != forms[i])
            errors = 1;
    }
    // Trimmed and in capitals first: SIRO..., ...AD or Č in fifth place; CVE..., ...E or Ć in fourth.
    const QString si = clean(boxes[sirocad]);
    if (si.isEmpty() || !prefixSuffixOrLetter(si, u"SIRO", u"AD", 5, u'Č'))
        errors = 1;
    const QString cv = clean(boxes[cvece]);
    if (cv.isEmpty() || !prefixSuffixOrLetter(cv, u"CVE", u"E", 4, u'Ć'))
        errors = 1;
    return errors;
}

} // namespace tasks
