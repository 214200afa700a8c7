#include "content/Script.h"

#include <array>

namespace content {

namespace {

// The words where l, n or d meets j or ž without making one letter, split where the two letters meet.
struct Split {
    QStringView before;
    QStringView after;
};

// A misspelling of the Latin course and the spelling its Cyrillic course shows instead.
struct Correction {
    QStringView written;
    QStringView meant;
};

constexpr std::array<Split, 6> splits = {{
    {u"nad", u"živ"},   // nadživeti: nad-, then živeti
    {u"pod", u"žanr"},  // podžanr
    {u"od", u"žali"},   // odžaliti
    {u"in", u"jekc"},   // injekcija, a borrowed word
    {u"kon", u"junk"},  // konjunkcija, konjunktiv
    {u"van", u"jezič"}, // vanjezički: van-, then jezički
}};

// A Latin term of grammar, written in Latin in every Serbian text.
constexpr std::array<QStringView, 1> latinTerms = {u"pluralia tantum"};

// Each misspelling occurs in the course as a whole word and only misspelt.
constexpr std::array<Correction, 10> misspellings = {{
    {u"Paznja", u"Pažnja"},                // the title of the refusal box
    {u"reèi", u"reči"},                    // the count under a picked-word list, in an old code page
    {u"gramaticke", u"gramatičke"},        // the prompt of task 2
    {u"osovne", u"osnovne"},               // the introduction
    {u"upozali", u"upoznali"},             // the information of step 5
    {u"napredka", u"napretka"},            // About
    {u"permanentu", u"permanentnu"},       // About
    {u"mutimedijalnu", u"multimedijalnu"}, // About
    {u"pojam.Prema", u"pojam. Prema"},     // the information of step 1
    {u"pesniku.Čak", u"pesniku. Čak"},     // the prose of task 10
}};

// The Cyrillic letter of each small Serbian Latin letter of one code unit, or 0.
char16_t cyrillicOf(char16_t small) {
    switch (small) {
    case u'a':
        return u'а';
    case u'b':
        return u'б';
    case u'c':
        return u'ц';
    case u'č':
        return u'ч';
    case u'ć':
        return u'ћ';
    case u'd':
        return u'д';
    case u'đ':
        return u'ђ';
    case u'e':
        return u'е';
    case u'f':
        return u'ф';
    case u'g':
        return u'г';
    case u'h':
        return u'х';
    case u'i':
        return u'и';
    case u'j':
        return u'ј';
    case u'k':
        return u'к';
    case u'l':
        return u'л';
    case u'm':
        return u'м';
    case u'n':
        return u'н';
    case u'o':
        return u'о';
    case u'p':
        return u'п';
    case u'r':
        return u'р';
    case u's':
        return u'с';
    case u'š':
        return u'ш';
    case u't':
        return u'т';
    case u'u':
        return u'у';
    case u'v':
        return u'в';
    case u'z':
        return u'з';
    case u'ž':
        return u'ж';
    default:
        return 0;
    }
}

// The digraph starting at `i`, as its small Cyrillic letter, or 0.
char16_t digraphAt(const QString& text, qsizetype i) {
    if (i + 1 >= text.size()) {
        return 0;
    }
    const char16_t first = text.at(i).toLower().unicode();
    const char16_t second = text.at(i + 1).toLower().unicode();
    if (first == u'l' && second == u'j') {
        return u'љ';
    }
    if (first == u'n' && second == u'j') {
        return u'њ';
    }
    if (first == u'd' && second == u'ž') {
        return u'џ';
    }
    return 0;
}

// Whether the letters at `i` and `i + 1` meet across the split of an exception word.
bool splitAt(const QString& text, qsizetype i) {
    for (const Split& split : splits) {
        const qsizetype from = i + 1 - split.before.size();
        if (from < 0 || from + split.before.size() + split.after.size() > text.size()) {
            continue;
        }
        const QStringView view(text);
        if (view.sliced(from, split.before.size()).compare(split.before, Qt::CaseInsensitive) == 0 &&
            view.sliced(i + 1, split.after.size()).compare(split.after, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

bool letterAt(const QString& text, qsizetype i) {
    return i >= 0 && i < text.size() && text.at(i).isLetter();
}

// Whether `word` stands at `i` as a whole word.
bool wordAt(const QString& text, qsizetype i, QStringView word) {
    return QStringView(text).sliced(i).startsWith(word) && !letterAt(text, i - 1) &&
           !letterAt(text, i + word.size());
}

QChar inCaseOf(QChar original, char16_t small) {
    return original.isUpper() ? QChar(small).toUpper() : QChar(small);
}

} // namespace

QStringList keptInLatin() {
    QStringList words;
    for (QStringView term : latinTerms) {
        words.append(term.toString());
    }
    return words;
}

QString toCyrillic(const QString& latin) {
    QString out;
    out.reserve(latin.size());
    for (qsizetype i = 0; i < latin.size(); ++i) {
        const auto kept = std::find_if(latinTerms.begin(), latinTerms.end(),
                                       [&](QStringView term) { return wordAt(latin, i, term); });
        if (kept != latinTerms.end()) {
            out.append(*kept);
            i += kept->size() - 1;
            continue;
        }
        const QChar c = latin.at(i);
        if (const char16_t digraph = digraphAt(latin, i); digraph && !splitAt(latin, i)) {
            out.append(inCaseOf(c, digraph));
            ++i;
        } else if (const char16_t letter = cyrillicOf(c.toLower().unicode())) {
            out.append(inCaseOf(c, letter));
        } else {
            out.append(c);
        }
    }
    return out;
}

QString inScript(Script script, const QString& latin) {
    if (script == Script::Latin) {
        return latin;
    }
    QString meant = latin;
    for (const Correction& correction : misspellings) {
        for (qsizetype at = meant.indexOf(correction.written); at >= 0;
             at = meant.indexOf(correction.written, at + 1)) {
            if (wordAt(meant, at, correction.written)) {
                meant.replace(at, correction.written.size(), correction.meant.constData(),
                              correction.meant.size());
            }
        }
    }
    return toCyrillic(meant);
}

} // namespace content
