// The fixed texts: the reading texts with their line breaks as the text boxes store them and the expected
// answers the pupil can pick from them, and the articles the links open.

#include "content/Form1Texts.h"
#include "content/Form3Texts.h"
#include "course/WordIndex.h"

#include <QRegularExpression>
#include <QUrl>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

namespace f1 = content::form1;

// Every carriage return is followed by a line feed and every line feed preceded by one.
bool lineBreaksArePairs(const QString& text) {
    const qsizetype pairs = text.count(QStringLiteral("\r\n"));
    return text.count(u'\r') == pairs && text.count(u'\n') == pairs;
}

// The answers are written without their carons and acutes; tasks 9, 11 and 17 are judged in any capitals.
TEST(Content, EveryExpectedAnswerIsAWordOfItsReadingText) {
    using namespace course;
    constexpr Qt::CaseSensitivity exact = Qt::CaseSensitive, anyCase = Qt::CaseInsensitive;
    const auto index = [](const QString& text, const Cleaning& rules) {
        return std::pair(text, buildWordIndex(text, rules));
    };
    const QString poem = content::form3::Text51();
    const std::tuple<const char*, QStringList, std::pair<QString, WordIndex>, Qt::CaseSensitivity> tasks[] = {
        {"task 1", f1::AnswersTask1(), index(f1::Text3(), cleaningText3()), exact},
        {"task 6", f1::AnswersTask6(), index(f1::Text36(), cleaningText36()), exact},
        {"task 9", f1::AnswersTask9(), index(f1::Text46(), cleaningText46()), anyCase},
        {"task 11", f1::AnswersTask11(), index(f1::Text50(), cleaningText50()), anyCase},
        {"task 12", f1::AnswersTask12(), index(f1::Text51(), cleaningText51()), exact},
        {"task 17", content::form3::PoemAnswers(), {poem, buildPoemIndex(poem)}, anyCase},
    };
    for (const auto& [task, answers, text, cs] : tasks) {
        EXPECT_TRUE(text.first.endsWith(QStringLiteral("\r\n")) && lineBreaksArePairs(text.first)) << task;
        QStringList words;
        for (const QString& word : text.second.words)
            words << word.normalized(QString::NormalizationForm_D).remove(QRegularExpression(u"\\p{Mn}"_s));
        for (const QString& answer : answers) {
            for (const QString& part : answer.split(u' ')) // "Alpskog venca" is picked as two words
                EXPECT_TRUE(words.contains(part, cs)) << task << ": " << answer.toStdString();
        }
    }
}

TEST(Content, LinksOpenArticlesOfTheSerbianWikipedia) {
    const std::pair<f1::Link, const char*> links[] = {
        {f1::Label77(), "Јован_Дучић"},   {f1::Label78(), "Алпи"},
        {f1::Label79(), "Јован_Дучић"},   {f1::Label80(), "Српска_књижевност"},
        {f1::Label81(), "Алекса_Шантић"},
    };
    for (const auto& [link, article] : links) {
        const QUrl url(link.address, QUrl::StrictMode);
        // Plain ASCII: no letter takes more bytes in UTF-8 than in Latin-1.
        EXPECT_TRUE(url.isValid() && link.address.toLatin1() == link.address.toUtf8()) << article;
        EXPECT_EQ((url.scheme() + "://" + url.host() + url.path()).toStdString(),
                  "https://sr.wikipedia.org/wiki/" + std::string(article));
    }
}

} // namespace
