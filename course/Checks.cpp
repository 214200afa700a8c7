#include "course/Checks.h"

#include <algorithm>

namespace checks {

QString nfc(const QString& s) {
    return s.normalized(QString::NormalizationForm_C);
}

QStringList nfcAll(const QStringList& list) {
    QStringList out;
    out.reserve(list.size());
    for (const QString& s : list)
        out.append(nfc(s));
    return out;
}

QString trimSpaces(const QString& s) {
    qsizetype first = 0;
    qsizetype last = s.size();
    while (first < last && s.at(first) == u' ')
        ++first;
    while (last > first && s.at(last - 1) == u' ')
        --last;
    return s.mid(first, last - first);
}

QString capitals(const QString& s) {
    return s.toUpper();
}

QString clean(const QString& s) {
    return capitals(trimSpaces(nfc(s)));
}

QString left(const QString& s, qsizetype n) {
    if (n <= 0)
        return {};
    return s.first(std::min(n, s.size()));
}

QString right(const QString& s, qsizetype n) {
    if (n <= 0)
        return {};
    return s.last(std::min(n, s.size()));
}

QChar charAt(const QString& s, qsizetype pos1) {
    if (pos1 < 1 || pos1 > s.size())
        return {};
    return s.at(pos1 - 1);
}

bool prefixSuffixOrLetter(const QString& text, QStringView prefix, QStringView suffix, qsizetype letterPos1,
                          QChar letter) {
    const bool prefixHolds = trimSpaces(capitals(left(text, prefix.size()))) == prefix;
    const bool suffixHolds = trimSpaces(capitals(right(text, suffix.size()))) == suffix;
    const bool letterHolds = charAt(text, letterPos1).toUpper() == letter;
    return prefixHolds || suffixHolds || letterHolds;
}

int twoWayMisses(const QStringList& expected, const QStringList& entries,
                 const std::function<bool(const QString& expected, const QString& entry)>& matches) {
    int misses = 0;
    for (const QString& e : expected) {
        if (std::none_of(entries.cbegin(), entries.cend(), [&](const QString& p) { return matches(e, p); }))
            ++misses;
    }
    for (const QString& p : entries) {
        if (std::none_of(expected.cbegin(), expected.cend(), [&](const QString& e) { return matches(e, p); }))
            ++misses;
    }
    return misses;
}

} // namespace checks
