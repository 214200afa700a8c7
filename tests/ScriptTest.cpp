// The two scripts: the one transliteration of the course's texts, the words where two letters are not one,
// the misspellings the Cyrillic course puts right, and how a run chooses its script.

#include "content/Script.h"
#include "content/Pictures.h"
#include "course/Checks.h"
#include "tests/Pupil.h"
#include "toolkit/Image.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;
using content::Script;

namespace {

// Each row both ways: Latin to Cyrillic, and back as an answer is read.
TEST(Script, LettersAndDigraphsGoOverOneForOneAndBack) {
    const std::pair<QString, QString> rows[] = {
        {u"abvgdđežzijklmnoprstćufhcčš"_s, u"абвгдђежзијклмнопрстћуфхцчш"_s},
        {u"ABVGDĐEŽZIJKLMNOPRSTĆUFHCČŠ"_s, u"АБВГДЂЕЖЗИЈКЛМНОПРСТЋУФХЦЧШ"_s},
        {u"ljubav, Ljubav, LJUBAV"_s, u"љубав, Љубав, ЉУБАВ"_s},
        {u"knjiga, Njima, KNJIGA"_s, u"књига, Њима, КЊИГА"_s},
        {u"udžbenik, Džak, DŽAK"_s, u"уџбеник, Џак, ЏАК"_s},
        {u"pištaljke, mnjenje, ČEKANJE"_s, u"пиштаљке, мњење, ЧЕКАЊЕ"_s},
        {u"nadživeti, injekcija, konjunkcija, NADŽIVETI"_s,
         u"надживети, инјекција, конјункција, НАДЖИВЕТИ"_s},
        {u"podžanr, odžaliti, vanjezički"_s, u"поджанр, оджалити, ванјезички"_s},
        {u"- 3. Korak - ( 0 ) \"…\" 12:00"_s, u"- 3. Корак - ( 0 ) \"…\" 12:00"_s},
        {u"pluralia tantum, a tantum"_s, u"pluralia tantum, а тантум"_s},
    };
    for (const auto& [latin, cyrillic] : rows) {
        EXPECT_EQ(content::toCyrillic(latin), cyrillic);
        EXPECT_EQ(checks::normal(cyrillic), latin);
    }
    // Letters Serbian does not have, and a capital digraph after a small letter, as they are.
    EXPECT_EQ(content::toCyrillic(u"qwxy è lJ"_s), u"qwxy è љ"_s);
}

TEST(Script, TheLatinCourseIsShownAsWrittenAndTheCyrillicOneSpelledRight) {
    EXPECT_EQ(content::inScript(Script::Latin, u"Paznja Odabrane reèi ( 3 )"_s),
              u"Paznja Odabrane reèi ( 3 )"_s);
    EXPECT_EQ(content::inScript(Script::Cyrillic, u"Paznja"_s), u"Пажња"_s);
    EXPECT_EQ(content::inScript(Script::Cyrillic, u"Odabrane reèi ( "_s), u"Одабране речи ( "_s);
    EXPECT_EQ(content::inScript(Script::Cyrillic, u"Osnovne gramaticke kategorije, gramaticke."_s),
              u"Основне граматичке категорије, граматичке."_s);
    // Only a whole word is put right.
    EXPECT_EQ(content::inScript(Script::Cyrillic, u"Paznjaa upozalii"_s), u"Пазњаа упозалии"_s);
}

class WholeCourse : public CourseTest {
  protected:
    // Every panel of the three lesson screens made, and what all the screens show.
    QStringList wholeCourse() {
        QStringList texts;
        program->start();
        texts << textsIn(program->form2());
        for (course::LessonScreen* screen : std::initializer_list<course::LessonScreen*>{
                 &program->form1(), &program->form3(), &program->form4()}) {
            for (auto* panel :
                 screen->findChildren<toolkit::PictureBox*>(QString(), Qt::FindDirectChildrenOnly)) {
                screen->showPanel(panel);
            }
            texts << textsIn(*screen);
        }
        texts << textsIn(program->form5());
        program->showAbout(program->form5());
        texts << textsIn(*program->loaded(Program::Screen::Form6));
        return texts;
    }
};

// Every word of the course in which l or n meets j, or d meets ž. A new one shows here, and is added to
// the transliteration's exceptions when its two letters are not one (nadživeti).
TEST_F(WholeCourse, EveryWordWithLjNjOrDzIsKnown) {
    QStringList words;
    static const QRegularExpression word(u"\\w*(lj|nj|dž)\\w*"_s,
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::UseUnicodePropertiesOption);
    for (const QString& text : wholeCourse()) {
        for (const QRegularExpressionMatch& match : word.globalMatch(text)) {
            words << match.captured().toLower();
        }
    }
    words.removeDuplicates();
    words.sort();
    // In each of them the two letters are one (knjiga, udžbenik); none is an exception.
    EXPECT_EQ(words.join(u' '),
              u"bežanje boginje bolje buljinu ciljeva dodavanje dozvoljava dozvoljavao granje grmlje igranje "
              u"isključivo knjiga konja kraljevića kraljeviću kuhinjskih ljubav ljubiti ljubičaste ljudi "
              u"menja menjaju mnjenje najbolje napredovanje nje njega njegova njegove njemu njenog njima "
              u"objašnjenja objašnjenje obnavljanjem obrazovanja obraćanje ocenjivanje ognjenim oranje "
              u"osećanja osećanje ostvarivanju pamćenje pažljivo pažnja pištaljke plašljivost podučavanje "
              u"ponavljala postavlja potkrepljivanja povećanja predstavlja primenjuju pripremljene "
              u"programiranja promenljive prstenje radnja raspoloženja raspoloženje realizovanja rešavanje "
              u"rešavanjem rešenja rešenje sadašnjosti shvatanje sklanjati srednji stanje sviranje svitanja "
              u"tanjir tvrdnje udžbenik ulje upotrebljavaju upotrebljene upravlja usvajanja uvežbavanje "
              u"uvežbavanjem učenja učenje učenjem učenju vaspitanja vrednovanje zadovoljstva zaustavljala "
              u"zbivanje zemlja zemlji zemlju zidanju znanja značenje čekanje četovanja"_s);
}

TEST_F(WholeCourse, TheCyrillicCourseHasNoLatinLetterButItsLatinTerm) {
    script = Script::Cyrillic;
    restart();
    EXPECT_EQ(withLatin(wholeCourse()), QStringList());
}

// The book of the splash and of the introduction shows the letters of the course's script: the pictures
// that each run shows are the book of its script, and the two books are not the same.
TEST_F(CourseTest, TheBookIsDrawnInTheLettersOfTheCourse) {
    const auto drawn = [](const toolkit::Picture& picture) {
        return picture.render({96, 96}, 1.0).toImage();
    };
    for (const Script run : {Script::Latin, Script::Cyrillic}) {
        script = run;
        restart();
        const QImage book = drawn(content::bookPicture(run));
        EXPECT_EQ(drawn(program->form2().Image1->picture()), book) << "the splash";
        const toolkit::Image* introduction = enterCourse().Image1;
        ASSERT_NE(introduction, nullptr);
        EXPECT_EQ(drawn(introduction->picture()), book) << "the introduction";
    }
    EXPECT_NE(drawn(content::bookPicture(Script::Latin)), drawn(content::bookPicture(Script::Cyrillic)));
}

TEST(Script, ARunChoosesByTheLastOptionElseByTheLocaleOfMessages) {
    const struct {
        QStringList options;
        const char *lcAll, *lcMessages, *lang;
        Script script;
    } rows[] = {
        {{}, "", "", "sr_RS.UTF-8", Script::Cyrillic},
        {{}, "", "", "sr_RS", Script::Cyrillic},
        {{}, "", "", "sr_ME.UTF-8", Script::Cyrillic},
        {{}, "", "", "sr", Script::Cyrillic},
        {{}, "", "", "sr_RS.UTF-8@latin", Script::Latin},
        {{}, "", "", "sr_RS@latin", Script::Latin},
        {{}, "", "", "sr_RS@Latin", Script::Latin},
        {{}, "", "", "en_US.UTF-8", Script::Latin},
        {{}, "", "", "C.UTF-8", Script::Latin},
        {{}, "", "", "", Script::Latin},
        {{}, "", "", "srb", Script::Latin},
        {{}, "", "", "hr_HR.UTF-8", Script::Latin},
        {{}, "sr_RS@latin", "", "sr_RS.UTF-8", Script::Latin}, // LC_ALL first
        {{}, "", "en_GB.UTF-8", "sr_RS.UTF-8", Script::Latin}, // then LC_MESSAGES
        {{}, "", "sr_RS.UTF-8", "en_GB.UTF-8", Script::Cyrillic},
        {{}, "sr_RS.UTF-8", "en_GB.UTF-8", "", Script::Cyrillic},
        {{u"cyrillic"_s}, "", "", "en_US.UTF-8", Script::Cyrillic},
        {{u"latin"_s}, "", "", "sr_RS.UTF-8", Script::Latin},
        {{u"latin"_s, u"cyrillic"_s}, "", "", "", Script::Cyrillic}, // the last one counts
        {{u"cyrillic"_s, u"help"_s, u"latin"_s}, "", "", "sr_RS", Script::Latin},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Program::chooseScript(row.options, QString::fromLatin1(row.lcAll),
                                        QString::fromLatin1(row.lcMessages), QString::fromLatin1(row.lang)),
                  row.script)
            << row.options.join(u' ').toStdString() << " " << row.lcAll << "/" << row.lcMessages << "/"
            << row.lang;
    }
}

} // namespace
