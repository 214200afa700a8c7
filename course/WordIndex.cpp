#include "course/WordIndex.h"

#include "content/Script.h"
#include "course/Checks.h"

#include <algorithm>

namespace course {

namespace {

constexpr QLatin1String alpskogVenca("Alpskog venca");

void removeLineBreaks(QString& word) {
    word.remove(u'\r');
    word.remove(u'\n');
}

void chopTrailingSpaces(QString& word) {
    while (word.endsWith(u' '))
        word.chop(1);
}

// The offsets of a text fit in an int by far; a token can never be longer than its text.
int length(const QString& s) {
    return static_cast<int>(s.size());
}

bool underCaret(const WordIndex& index, qsizetype i, qint64 pos) {
    const qint64 start = index.starts.at(i);
    return start <= pos && pos <= start + index.words.at(i).size();
}

template <typename Clean> WordIndex buildIndex(const QString& text, Clean clean) {
    WordIndex index;
    if (text.isEmpty())
        return index;
    int offset = 0;
    for (const QString& token : text.split(u' ')) {
        index.words.append(clean(token));
        index.starts.append(offset);
        offset += length(token) + 1;
    }
    return index;
}

} // namespace

Cleaning cleaningText3() {
    return {true, QStringLiteral(",."), false, false};
}
Cleaning cleaningText36() {
    return {true, QStringLiteral(",."), false, false};
}
Cleaning cleaningText46() {
    return {true, QStringLiteral(",.;"), false, false};
}
Cleaning cleaningText50() {
    return {false, QStringLiteral(",.!:;"), true, true};
}
Cleaning cleaningText51() {
    return {true, QStringLiteral(",.;"), false, false};
}

WordIndex buildWordIndex(const QString& text, const Cleaning& rules) {
    return buildIndex(text, [&rules](QString word) {
        if (rules.lineFeedRule && word.endsWith(u'\n'))
            removeLineBreaks(word);
        if (!word.isEmpty() && rules.trailingMarks.contains(word.back()))
            word.chop(1);
        if (word.startsWith(u'\r'))
            removeLineBreaks(word);
        if (rules.leadingQuote && word.startsWith(u'"'))
            word.remove(0, 1);
        if (rules.trailingQuote && word.endsWith(u'"'))
            word.chop(1);
        return word;
    });
}

WordIndex buildPoemIndex(const QString& text) {
    static const QString marks = QStringLiteral(",.!:;\r\n");
    return buildIndex(text, [](QString word) {
        word.remove(u'"');
        word.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        // A line that ends without a space leaves its break as a trailing space here; drop it first,
        // so that the mark before the break is the one removed ("neće\"." gives "neće").
        chopTrailingSpaces(word);
        if (!word.isEmpty() && marks.contains(word.back()))
            word.chop(1);
        if (word.startsWith(u'\r'))
            removeLineBreaks(word);
        return checks::trimSpaces(word);
    });
}

QStringList entriesToAdd(const WordIndex& index, int selStart, const QStringList& listed, PickRule rule) {
    QStringList added;
    const qint64 pos = qint64{selStart} - 1;
    const qsizetype count = std::min(index.words.size(), index.starts.size());
    for (qsizetype i = 0; i < count; ++i) {
        if (!underCaret(index, i, pos))
            continue;
        const QString& word = index.words.at(i);
        // In a Cyrillic text the two words, and the entry they make, are written in Cyrillic.
        const QString read = checks::normal(word);
        const bool joint = rule == PickRule::AlpskogVenca &&
                           (read == QLatin1String("Alpskog") || read == QLatin1String("venca"));
        const QString jointEntry = read == word ? QString(alpskogVenca) : content::toCyrillic(alpskogVenca);
        const auto isListed = [&](const QString& entry) {
            return entry == word || (joint && entry == jointEntry);
        };
        if (std::any_of(listed.begin(), listed.end(), isListed) ||
            std::any_of(added.begin(), added.end(), isListed))
            continue;
        if (rule == PickRule::StopAtDash && checks::trimSpaces(word) == QLatin1String("-"))
            break;
        added.append(joint ? jointEntry : word);
    }
    return added;
}

QStringList poemEntriesToAdd(const WordIndex& index, int selStart, const QStringList& listed) {
    QStringList added;
    const qint64 pos = qint64{selStart} - 1;
    const qsizetype count = std::min(index.words.size(), index.starts.size());
    bool alreadyListed = false;
    for (qsizetype i = 0; i < count; ++i) {
        if (!underCaret(index, i, pos))
            continue;
        const QString& word = index.words.at(i);
        if (listed.contains(word) || added.contains(word))
            alreadyListed = true;
        if (alreadyListed)
            continue;
        if (checks::trimSpaces(word) == QLatin1String("-"))
            break;
        added.append(word);
    }
    return added;
}

} // namespace course
