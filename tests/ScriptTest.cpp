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

TEST(Script, ARunChoosesByTheLastOptionElseByTheDesktopsLanguages) {
    const struct {
        QStringList options;
        QStringList languages;
        Script script;
    } rows[] = {
        // Locales, as a freedesktop names them.
        {{}, {u"sr_RS.UTF-8"_s}, Script::Cyrillic},
        {{}, {u"sr_RS"_s}, Script::Cyrillic},
        {{}, {u"sr_ME.UTF-8"_s}, Script::Cyrillic},
        {{}, {u"sr"_s}, Script::Cyrillic},
        {{}, {u"sr_RS.UTF-8@latin"_s}, Script::Latin},
        {{}, {u"sr_RS@latin"_s}, Script::Latin},
        {{}, {u"sr_RS@Latin"_s}, Script::Latin},
        {{}, {u"en_US.UTF-8"_s}, Script::Latin},
        {{}, {u"C.UTF-8"_s}, Script::Latin},
        {{}, {}, Script::Latin},
        {{}, {u""_s}, Script::Latin},
        {{}, {u"srb"_s}, Script::Latin},
        {{}, {u"hr_HR.UTF-8"_s}, Script::Latin},
        // Language tags, as Windows names them: the display language, then the regional format.
        {{}, {u"sr-Cyrl-RS"_s, u"sr-Cyrl-RS"_s}, Script::Cyrillic},
        {{}, {u"sr-Cyrl-ME"_s}, Script::Cyrillic},
        {{}, {u"sr-cyrl-ba"_s}, Script::Cyrillic},
        {{}, {u"sr-Latn-RS"_s, u"sr-Latn-RS"_s}, Script::Latin},
        {{}, {u"sr-Latn-ME"_s}, Script::Latin},
        {{}, {u"en-US"_s, u"sr-Cyrl-RS"_s}, Script::Cyrillic}, // the regional format alone
        {{}, {u"sr-Cyrl-RS"_s, u"en-GB"_s}, Script::Cyrillic}, // the display language alone
        {{}, {u"sr-Latn-RS"_s, u"en-US"_s}, Script::Latin},
        {{}, {u"hr-HR"_s, u"bs-Cyrl-BA"_s}, Script::Latin},
        {{}, {u"sr-RS"_s}, Script::Cyrillic},
        // The options, the last one counting.
        {{u"cyrillic"_s}, {u"en_US.UTF-8"_s}, Script::Cyrillic},
        {{u"latin"_s}, {u"sr_RS.UTF-8"_s}, Script::Latin},
        {{u"latin"_s}, {u"sr-Cyrl-RS"_s, u"sr-Cyrl-RS"_s}, Script::Latin},
        {{u"latin"_s, u"cyrillic"_s}, {}, Script::Cyrillic},
        {{u"cyrillic"_s, u"help"_s, u"latin"_s}, {u"sr_RS"_s}, Script::Latin},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Program::chooseScript(row.options, row.languages), row.script)
            << row.options.join(u' ').toStdString() << " / " << row.languages.join(u' ').toStdString();
    }
}

} // namespace
