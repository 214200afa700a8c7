#include "content/Form1Texts.h"

#include <QByteArray>
#include <QUrl>

namespace content {

QString lines(std::initializer_list<const char*> textLines) {
    QString text;
    for (const char* line : textLines) {
        text += QString::fromUtf8(line);
        text += QStringLiteral("\r\n");
    }
    return text;
}

} // namespace content

namespace content::form1 {

namespace {

// An article of the Serbian-language Wikipedia; the title is given as it reads and sent
// percent-encoded, so the address is plain ASCII for the desktop shell.
QString wikipediaArticle(const char* title) {
    return QStringLiteral("https://sr.wikipedia.org/wiki/") +
           QString::fromLatin1(QUrl::toPercentEncoding(QString::fromUtf8(title)));
}

QString ducicArticle() {
    return wikipediaArticle("Јован_Дучић");
}

} // namespace

QString Text1() {
    return lines({
        "Pred tobom je radni materijal koji će ti pomoći da osvežiš svoja ",
        "znanja o imenicama i da ih primeniš rešavajući različite zadatke. ",
        "Kreni polako korak po korak. Ponudili smo ti i osovne informacije ",
        "da bi bio uspešniji. Možeš slobodno da koristiš udžbenik ili neku ",
        "gramatiku. Da bi nastavio sa učenjem, obnavljanjem i ",
        "uvežbavanjem gradiva o imenicama na svaki ponuđeni zadatak ",
        "moraš dati tačno rešenje, jer program ne dozvoljava prelazak na ",
        "rešavanje narednog zadatka ukoliko prethodni nije tačno rešen.",
        "______________________________________________",
        "",
        "Želimo ti uspeha u radu.",
    });
}

QString Text2() {
    return lines({
        "Znate da su IMENICE samostalne promenljive reči koje imenuju neko biće, predmet, ",
        "pojavu ili bilo kakav pojam.Prema tome imenice se upotrebljavaju da se njima kaže ",
        "kako se neko ili nešto zove. One su zapravo imena ili nazivi nekoga ili nečega. (Zato ",
        "se i zovu imenice.)",
    });
}

QString Text3() {
    return lines({
        "Car Radovan je car careva, vladar sudbine, ",
        "gospodar svemira. On nosi zlatnu sekiru na ",
        "ramenu, jaše konja koji je beo i visok kao brdo pod ",
        "snegom, i na ruci drži buljinu sa ognjenim očima ",
        "kako bi mogao videti pred sobom. O njemu govore u ",
        "mojoj zemlji samo ljudi koji su poludeli. Ali su zatim u ",
        "njega poverovali i svi muškarci. Niko ne zna njegove ",
        "bitke i trijumfe. Jer njegova moć nije nad vojskama. ",
        "On carstvuje u miru svoje veličine.",
    });
}

QString Text7() {
    return lines({
        "Imenice su promenljive reči jer se menjaju po broju i padežima. Rod imenica ",
        "može biti prirodni (muški i ženski rod) i gramatički (muški, ženski i srednji rod). ",
        "Rod imenice se određuje uvek kada je ona u nominativu jednine, osim kod nekih ",
        "imenica kod kojih dolazi do promene roda u odnosu na kategoriju broja, npr. to ",
        "oko (srednji rod jednine), te oči (ženski rod množine).",
    });
}

QString Text35() {
    return lines({
        "Svakako da znaš da se imenice dele na određene vrste već prema tome šta se ",
        "tim imenicama označava (imenuje).",
        "Primeri: Milan (lično ime), Adrijana (lično ime), Dunav (naziv reke), Srbija (naziv ",
        "države).",
        "Ovakve imenice se zovu VLASTITE imenice i uvek se pišu velikim slovom.",
    });
}

// Our own adapted excerpt. Each geographic name the pupil has to find stands inside a line and
// occurs once, followed by nothing but a space, a comma or a full stop, so that it is picked
// exactly as the answer of task 6 expects it.
QString Text36() {
    return lines({
        "Puk se dva dana odmarao u Radkersburgu, mirnom gradiću na ",
        "jugu Austrije. Trećeg jutra, pre svitanja, trube su podigle ",
        "vojnike, i duga kolona krenula je uz reku Muru, pravo prema ",
        "obroncima Alpskog venca. Put se peo sve strmije, a u uvalama ",
        "je ležao sneg. Kapetan nije dozvoljavao da se ide bez reda: ",
        "na svakoj čistini kolona se zaustavljala, vojnici su se ",
        "postrojavali, okretali nalevo i nadesno, padali na zemlju i ",
        "skakali na noge na zvuk pištaljke. Narednici su išli duž ",
        "stroja i vikali na svakoga ko bi pogrešio korak. Kad bi se ",
        "sunce popelo iznad vrhova, vežba se ponavljala s punom ",
        "opremom na leđima, sve dok se s prevoja nije ukazala dolina.",
    });
}

QString Text41() {
    return lines({
        "Drugu veliku vrstu imenica čine ZAJEDNIČKE imenice. One označavaju bića, ",
        "predmete i pojave koje povezuju neke zajedničke osobine",
        "",
        "Primeri: devojčica, računar, novčanik, noć, život, zima...",
    });
}

QString Text46() {
    return lines({
        "",
        "Ljubičaste gore, granitne, do svoda ",
        "Zrcale se u dnu; mirno i bez pene, ",
        "Površina šušti i celiva stene; ",
        "Svod se svetli topal, staklen, iznad voda.",
    });
}

QString Text47() {
    return lines({
        "Javno mnjenje okrete front prema mladome pesniku.Čak i ono što su mu od pre ",
        "prepisivali u dobre strane sad mu stadoše osuđivati, a sitne mane koje su pre ",
        "praštane, kao i svakom drugom, sad postadoše užasni poroci. Pronađoše odjednom ",
        "kako je podlac, pijanica, kockar, nekarakteran čovek špijun, a sem toga, i kako je luckast.",
    });
}

QString Text49() {
    return lines({
        "Osim vlastitih i zajedničkih imenica koje smo već upozali postoje i APSTRAKTNE ",
        "ili MISAONE imenice. Njima označavamo, imenujemo apstraktne pojmove.",
        "",
        "Primeri: radost, ideja, ljubav, lepota...",
    });
}

QString Text50() {
    return lines({
        "Kaži mi kaži, ",
        "kako da te zovem; ",
        "Kaži mi kakvo ",
        "Ime da ti dam, - ",
        "Hoću li reći: ",
        "\"Diko\" ili \"snago\", ",
        "Ili ću \"lane\", ",
        "Ili \"moje blago\"; ",
        "Hoću li \"dušo\", ",
        "Ili \"moje drago\" - ",
        "Kaži mi, kakvo ",
        "Ime da ti dam! ",
    });
}

QString Text51() {
    return lines({
        "Lepota, lopta, žena, strah, misao,  kišobran, ",
        "ljubav, lišće, društvo, pravednost, bol.",
    });
}

QString Text53() {
    return lines({
        "Uvek imaj na umu da su imenice, zapravo, IMENA nekoga ili nečega, ",
        "APSTRAKTNE imenice su, da bolje razumeš, imena nekih pojmova koji se ne ",
        "mogu dodirnuti, opipati, čuti i sl. To su apstraktni pojmovi, a najčešće su to neke: ",
        "ideje, osećanja, raspoloženja i osobine.",
    });
}

QString Label51() {
    return QStringLiteral("ZADATAK 9: Iz stihova Jovana Dučića koji slede izdvoj zajedničke imenice.");
}

QString Label55() {
    return QStringLiteral("ZADATAK 11: Iz stihova Alekse Šantića koji slede izdvoj sve apstraktne imenice.");
}

QStringList AnswersTask1() {
    return {"Car",     "Radovan",  "car",    "careva",  "vladar",   "sudbine", "gospodar",
            "svemira", "sekiru",   "ramenu", "konja",   "brdo",     "snegom",  "ruci",
            "buljinu", "ocima",    "zemlji", "ljudi",   "muskarci", "bitke",   "trijumfe",
            "moc",     "vojskama", "miru",   "velicine"};
}

QStringList AnswersTask6() {
    return {"Radkersburgu", "Austrije", "Alpskog venca", "Muru"};
}

QStringList AnswersTask9() {
    return {"gore", "svoda", "dnu", "pene", "povrsina", "stene", "svod", "voda"};
}

QStringList AnswersTask11() {
    return {"Diko", "snago", "blago", "duso", "drago"};
}

QStringList AnswersTask12() {
    return {"Lepota", "strah", "misao", "ljubav", "pravednost", "bol"};
}

Link Label77() {
    return {QStringLiteral("J. Dučić: \"Blago cara Radovana\""), ducicArticle()};
}

// The excerpt of task 6 was written for this course; the caption says so instead of naming a
// writer who did not write it.
Link Label78() {
    return {QStringLiteral("prilagođeni tekst na osnovu odlomka iz Čitanke, tim projekta Tesmora: "
                           "\"Vežba na maršu preko Alpa\""),
            wikipediaArticle("Алпи")};
}

// The verses are Dučić's; the caption names them by their first words rather than guess the
// title of the poem they come from.
Link Label79() {
    return {QStringLiteral("J. Dučić: \"Ljubičaste gore...\""), ducicArticle()};
}

// The prose passage is credited to Serbian prose in general, not to a writer we cannot vouch for.
Link Label80() {
    return {QStringLiteral("odlomak iz srpske proze: \"Javno mnjenje okrete front...\""),
            wikipediaArticle("Српска_књижевност")};
}

Link Label81() {
    return {QStringLiteral("A. Šantić: \"Kaži mi, kaži\""), wikipediaArticle("Алекса_Шантић")};
}

} // namespace content::form1
