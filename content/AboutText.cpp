#include "content/AboutText.h"

#include "content/Form1Texts.h"

namespace content {

QString aboutText() {
    QString text = lines({
        "Rešavajući ovaj program učenici bi trebalo da aktualizuju svoja znanja o imenicama ",
        "koja su sticali kontinuirano u toku više školskih godina i da ih konkretno primenjuju u ",
        "kreiranim zadacima, već prema utvrđenim koracima. Kao pomoć, učenicima su ",
        "pripremljene najneophodnije gramatičke informacije na koje ih upućujemo da ih ",
        "pažljivo pročitaju i primene, a koje tako imaju i motivacionu ulogu. Nakon informacija i ",
        "motivacije slede zadaci, i, na kraju, rešenja. Zadatke učenici rade samostalno a ",
        "preporučuje im se da upotrebe i udžbenik ako im je potrebno da nešto provere. Učenik ",
        "dobija povratnu informaciju o tačnosti svoga rešenja i ne može da nastavi sa ",
        "rešavanjem narednog zadatka ukoliko nije ispravno rešio prethodni. Napredovanje u ",
        "učenju koje pruža ovaj program i sama informacija da je zadatak tačno rešen su vredni ",
        "oblici potkrepljivanja praćeni osećajem zadovoljstva kod učenika, a samim time je ",
        "učenje o imenicama uspešnije. Program sadrži opciju koja učeniku pruža mogućnost ",
        "da na kraju učenja o imenicama vidi koliko je vremena utrošio na svaki zadatak i na ",
        "učenje u celini. Ovaj program nije test za ocenjivanje, već isključivo služi za učenje: ",
        "ustvari uvežbavanje i primenu znanja!",
        "",
        "Programirana nastava pruža najbolje mogućnosti za individualno podučavanje, za ",
        "neprestano vrednovanje učeničkog napredka i nepogrešivu procenu efikasnosti ",
        "programa u ostvarivanju obrazovnih ciljeva koje program postavlja. Primena računara ",
        "u nastavi zahteva permanentu obuku profesora koji će znati da koriste savremene ",
        "informacione alate u nastavi i da učenicima ponude individualnu, mutimedijalnu i ",
        "hiperlinkovanu nastavu. Na ovaj način postižu se veći efekti u nastavi, jer je veća pažnja ",
        "učenika i veći je stepen usvajanja i pamćenje gradiva. Uloga profesora se menja i on uz ",
        "računar pomaže učenicima da prate svoju individualnost i razvijaju kreativnost. Ovim ",
        "programom želimo da aktualizujemo programirano učenje i primenu njenog linearnog modela ",
        "programiranja. Programirana nastava je uputstvo pomoću kojeg nastavnik upravlja nastavnim ",
        "procesom, ona predstavlja budućnost nastavne prakse kojoj treba težiti u sadašnjosti, a sve to ",
        "radi povećanja efikasnosti nastave i realizovanja zadataka savremenog obrazovanja i ",
        "vaspitanja učenika.   ",
        "",
        "Program je nastao u okviru projekta Tesmora. Nastavni materijal, gramatičke informacije, ",
        "tekstove i zadatke, pripremili su saradnici tima projekta Tesmora, a računarski program ",
        "osmislili su i izradili programeri istog tima.",
    });
    text.chop(2); // the last line has no line break after it
    return text;
}

} // namespace content
