#include "course/Checks.h"

#include <algorithm>

namespace checks {

namespace {

// The Latin letters of the small Cyrillic letters from а (U+0430) to џ (U+045F), the accented ѐ and ѝ
// included; empty for the letters that are not Serbian (й, щ ... я, ё, ѓ, є, ѕ, і, ї, ќ, ў).
constexpr const char16_t* smallLetters[] = {
    u"a", u"b", u"v", u"g", u"d", u"e", u"ž", u"z", u"i", u"",   u"k",  u"l", u"m", u"n", u"o", u"p",
    u"r", u"s", u"t", u"u", u"f", u"h", u"c", u"č", u"š", u"",   u"",   u"",  u"",  u"",  u"",  u"",
    u"è", u"",  u"đ", u"",  u"",  u"",  u"",  u"",  u"j", u"lj", u"nj", u"ć", u"",  u"ì", u"",  u"dž"};

QStringView latinOf(char16_t small) {
    return small >= u'а' && small <= u'џ' ? QStringView(smallLetters[small - u'а']) : QStringView();
}

QString toLatin(const QString& s) {
    QString out;
    out.reserve(s.size() + 8);
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        const QStringView latin = latinOf(c.toLower().unicode());
        if (latin.isEmpty()) {
            out.append(c);
        } else if (c.isLower()) {
            out.append(latin);
        } else if (latin.size() == 1) {
            out.append(latin.toString().toUpper());
        } else {
            // A capital digraph stays all capitals beside capitals, else only its first letter is one.
            const QChar next = i + 1 < s.size() ? s.at(i + 1) : QChar();
            const QChar before = i > 0 ? s.at(i - 1) : QChar();
            const bool amongCapitals = next.isLetter() ? next.isUpper() : before.isUpper();
            out.append(amongCapitals ? latin.toString().toUpper()
                                     : latin.first(1).toString().toUpper() + latin.sliced(1).toString());
        }
    }
    return out;
}

} // namespace

// The capital of a small letter of the Serbian Latin alphabet (and of è and ì, which the accented
// Cyrillic letters are read as); every other character stays itself, so that no foreign letter (ı, ß, ſ,
// ﬁ) turns into a Latin capital and passes for one.
QChar capital(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'a' && u <= u'z')
        return QChar(u - u'a' + u'A');
    switch (u) {
    case u'č':
        return u'Č';
    case u'ć':
        return u'Ć';
    case u'đ':
        return u'Đ';
    case u'š':
        return u'Š';
    case u'ž':
        return u'Ž';
    case u'è':
        return u'È';
    case u'ì':
        return u'Ì';
    default:
        return c;
    }
}

QString normal(const QString& s) {
    // Composed again after the Cyrillic is read, so that a Cyrillic letter followed by a combining mark
    // is the letter its Latin twin with that mark is.
    return toLatin(s.normalized(QString::NormalizationForm_C)).normalized(QString::NormalizationForm_C);
}

QStringList normalAll(const QStringList& list) {
    QStringList out;
    out.reserve(list.size());
    for (const QString& s : list)
        out.append(normal(s));
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
    QString out = s;
    for (QChar& c : out)
        c = capital(c);
    return out;
}

QString clean(const QString& s) {
    return capitals(trimSpaces(normal(s)));
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
    const bool letterHolds = capital(charAt(text, letterPos1)) == letter;
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
