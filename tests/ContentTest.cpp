#include "content/AboutText.h"
#include "content/Form1Texts.h"
#include "content/Form3Texts.h"
#include "course/WordIndex.h"

#include <QUrl>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

namespace f1 = content::form1;
namespace f3 = content::form3;

const QString crlf = QStringLiteral("\r\n");

std::string str(const QString& s) {
    return s.toStdString();
}

// Every carriage return is followed by a line feed and every line feed preceded by one.
bool lineBreaksArePairs(const QString& text) {
    return text.count(u'\r') == text.count(crlf) && text.count(u'\n') == text.count(crlf);
}

TEST(LessonTexts, HaveTheirLinesEachEndedByOneLineBreak) {
    struct Row {
        const char* name;
        QString text;
        qsizetype lines;
    };
    const std::vector<Row> rows = {
        {"F1.Text1", f1::Text1(), 11},  {"F1.Text2", f1::Text2(), 4},    {"F1.Text3", f1::Text3(), 9},
        {"F1.Text7", f1::Text7(), 5},   {"F1.Text35", f1::Text35(), 5},  {"F1.Text36", f1::Text36(), 11},
        {"F1.Text41", f1::Text41(), 4}, {"F1.Text46", f1::Text46(), 5},  {"F1.Text47", f1::Text47(), 4},
        {"F1.Text49", f1::Text49(), 4}, {"F1.Text50", f1::Text50(), 12}, {"F1.Text51", f1::Text51(), 2},
        {"F1.Text53", f1::Text53(), 4}, {"F3.Text1", f3::Text1(), 3},    {"F3.Text2", f3::Text2(), 1},
        {"F3.Text3", f3::Text3(), 2},   {"F3.Text4", f3::Text4(), 3},    {"F3.Text53", f3::Text53(), 5},
        {"F3.Text51", f3::Text51(), 6}, {"F3.Text21", f3::Text21(), 8},  {"F3.Text30", f3::Text30(), 10},
        {"F3.Text33", f3::Text33(), 8},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(row.text.endsWith(crlf));
        EXPECT_TRUE(lineBreaksArePairs(row.text));
        EXPECT_EQ(row.text.count(crlf), row.lines);
    }
}

TEST(LessonTexts, KeepTheLinesTheTasksDependOn) {
    struct Row {
        const char* name;
        QString text;
        int line; // 0-based
        const char* expected;
    };
    const std::vector<Row> rows = {
        {"introduction keeps osovne", f1::Text1(), 2,
         "Kreni polako korak po korak. Ponudili smo ti i osovne informacije "},
        {"task 1 text ends without a space", f1::Text3(), 8, "On carstvuje u miru svoje veličine."},
        {"verses begin with an empty line", f1::Text46(), 0, ""},
        {"first verse", f1::Text46(), 1, "Ljubičaste gore, granitne, do svoda "},
        {"poem line with quoted names", f1::Text50(), 5, "\"Diko\" ili \"snago\", "},
        {"word list keeps two spaces", f1::Text51(), 0, "Lepota, lopta, žena, strah, misao,  kišobran, "},
        {"folk poem empty second line", f3::Text51(), 1, ""},
        {"folk poem last line", f3::Text51(), 5, "jer zlo dobra donijeti neće\"."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QStringList lines = row.text.split(crlf);
        ASSERT_GT(lines.size(), row.line);
        EXPECT_EQ(str(lines[row.line]), row.expected);
    }
    const QString march = f1::Text36();
    for (const char* name : {"Radkersburgu", "Austrije.", "Muru", "Alpskog venca"})
        EXPECT_EQ(march.count(QString::fromUtf8(name)), 1) << name;
}

// Every expected answer must be a word the pupil can pick from its text. The answers are written
// without the letters with diacritics, and tasks 9, 11 and 17 are judged in capitals.
TEST(Answers, AreWordsOfTheirReadingTexts) {
    const auto plain = [](QString word) {
        const QString from = QStringLiteral("čćšžđČĆŠŽĐ"), to = QStringLiteral("ccszdCCSZD");
        for (qsizetype i = 0; i < from.size(); ++i)
            word.replace(from[i], to[i]);
        return word;
    };
    struct Row {
        const char* name;
        QStringList answers;
        qsizetype count;
        course::WordIndex index;
        Qt::CaseSensitivity cs;
    };
    const std::vector<Row> rows = {
        {"task 1", f1::AnswersTask1(), 25, course::buildWordIndex(f1::Text3(), course::cleaningText3()),
         Qt::CaseSensitive},
        {"task 6", f1::AnswersTask6(), 4, course::buildWordIndex(f1::Text36(), course::cleaningText36()),
         Qt::CaseSensitive},
        {"task 9", f1::AnswersTask9(), 8, course::buildWordIndex(f1::Text46(), course::cleaningText46()),
         Qt::CaseInsensitive},
        {"task 11", f1::AnswersTask11(), 5, course::buildWordIndex(f1::Text50(), course::cleaningText50()),
         Qt::CaseInsensitive},
        {"task 12", f1::AnswersTask12(), 6, course::buildWordIndex(f1::Text51(), course::cleaningText51()),
         Qt::CaseSensitive},
        {"task 17", f3::PoemAnswers(), 2, course::buildPoemIndex(f3::Text51()), Qt::CaseInsensitive},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QStringList distinct = row.answers;
        EXPECT_EQ(distinct.removeDuplicates(), 0);
        EXPECT_EQ(row.answers.size(), row.count);
        QStringList picked;
        for (const QString& word : row.index.words)
            picked.append(plain(word));
        for (const QString& answer : row.answers)
            for (const QString& part : answer.split(u' ')) // "Alpskog venca" is picked as two words
                EXPECT_TRUE(picked.contains(part, row.cs)) << str(answer);
    }
}

TEST(Links, CreditTheExcerptsAndOpenArticlesOfTheSerbianWikipedia) {
    struct Row {
        const char* name;
        f1::Link link;
        const char* article;
    };
    const std::vector<Row> rows = {
        {"Label77", f1::Label77(), "Јован_Дучић"},   {"Label78", f1::Label78(), "Алпи"},
        {"Label79", f1::Label79(), "Јован_Дучић"},   {"Label80", f1::Label80(), "Српска_књижевност"},
        {"Label81", f1::Label81(), "Алекса_Шантић"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const qsizetype colon = row.link.caption.lastIndexOf(QStringLiteral(": \""));
        EXPECT_GT(colon, 0);
        EXPECT_TRUE(row.link.caption.endsWith(u'"'));
        EXPECT_GT(row.link.caption.size(), colon + 4); // a title between the quotes
        EXPECT_EQ(str(row.link.address), row.link.address.toLatin1().toStdString()) << "plain ASCII";
        const QUrl url(row.link.address, QUrl::StrictMode);
        EXPECT_TRUE(url.isValid());
        EXPECT_EQ(str(url.scheme() + "://" + url.host() + url.path()),
                  "https://sr.wikipedia.org/wiki/" + std::string(row.article));
    }
    EXPECT_EQ(str(f1::Label77().address), str(f1::Label79().address));
    EXPECT_TRUE(
        f1::Label78().caption.startsWith(QStringLiteral("prilagođeni tekst na osnovu odlomka iz Čitanke, ")));
    EXPECT_TRUE(f1::Label51().startsWith(QStringLiteral("ZADATAK 9:")) &&
                f1::Label51().contains(QStringLiteral("Dučić")));
    EXPECT_TRUE(f1::Label55().startsWith(QStringLiteral("ZADATAK 11:")) &&
                f1::Label55().contains(QStringLiteral("Šantić")));
}

TEST(AboutText, HasTwoFixedParagraphsAndTheCreditsWithoutFinalLineBreak) {
    const QString text = content::aboutText();
    EXPECT_TRUE(lineBreaksArePairs(text));
    EXPECT_FALSE(text.endsWith(u'\n'));
    const QStringList lines = text.split(crlf);
    ASSERT_GT(lines.size(), 30);
    EXPECT_EQ(str(lines[14]), "ustvari uvežbavanje i primenu znanja!");
    EXPECT_EQ(str(lines[15]), "");
    EXPECT_EQ(str(lines[16]),
              "Programirana nastava pruža najbolje mogućnosti za individualno podučavanje, za ");
    EXPECT_EQ(str(lines[28]), "vaspitanja učenika.   ");
    EXPECT_EQ(str(lines[29]), "");
    EXPECT_FALSE(lines.mid(30).contains(QString())); // the credits are one paragraph
    EXPECT_TRUE(lines[30].contains(QStringLiteral("Tesmora")));
}

} // namespace
