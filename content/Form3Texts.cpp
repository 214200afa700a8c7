#include "content/Form3Texts.h"

#include "content/Form1Texts.h"

namespace content::form3 {

QString Text1() {
    return lines({
        "Shvatanje da svi ljudi treba da budu ",
        "jednaki u svojim pravima, da svi jednako ",
        "vrede.",
    });
}

QString Text2() {
    return lines({
        "Psihičko stanje u koje zapadne čovek kada se nekoga ili nečega uplaši.",
    });
}

QString Text3() {
    return lines({
        "Osećanje koje obuzme nekoga (mladića ",
        "ili devojku) kada mu se neko jako sviđa.",
    });
}

QString Text4() {
    return lines({
        "Osobina koja nekome omogućava da ",
        "dobro uči, da ispravno razume svet i ",
        "društvo i da donosi pametne odluke.",
    });
}

QString Text53() {
    return lines({
        "Posebnu vrstu imenica čine glagolske imenice. Njima se imenuje neka radnja, ",
        "stanje ili zbivanje, a nastale su od glagola.",
        "Primeri: ",
        "Od glagola ČEKATI imamo imenicu ČEKANJE.",
        "Od glagola SVIRATI imamo imenicu SVIRANJE.",
    });
}

QString Text51() {
    return lines({
        "\"Oranje Marka Kraljevića\" ",
        "",
        "Majka Marku stade besjediti: ",
        "\"O moj sine Kraljeviću Marko, ",
        "ostavi se, sinko, četovanja, ",
        "jer zlo dobra donijeti neće\".",
    });
}

QString Text21() {
    return lines({
        "Sledeću vrstu imenica čine one imenice kojima imenujemo veći broj istih ",
        "pojmova, bića ili predmeta. Kada su zajedno (uglavnom na istom mestu u isto ",
        "vreme) oni čine neki zbir, a nama nije važno koliko ih u tom zbiru ima.",
        "",
        "Primeri: lišće, prstenje, unučad, jato, cveče, grmlje.",
        "",
        "Ove imenice označavaju veći broj (ne znamo koliko) bića ili predmeta zajedno. ",
        "Označavaju, zbir nečega. Zato se zovu ZBIRNE imenice.",
    });
}

QString Text30() {
    return lines({
        "Najlakše se, verovatno, zapamte GRADIVNE imenice. Ove imenice označavaju ",
        "neku materiju, gradivo. Takođe, za ove imenice je karakteristično da istim ",
        "oblikom označavaju bilo koju količinu materije (građe).",
        "Primeri: ",
        "NAFTA - isto se kaže kada ima malo i puno nafte.",
        "Nafta je i ona količina koja se nalazi u ogromnom rezervoaru u nekoj rafineriji, i ",
        "ona količina koja se nalazi u automobilskom rezervoaru.",
        "ZLATO - isto se kaže kada se misli na mnogo i kada se misli na malo zlata. Čak ",
        "iako je samo jedan gram zlata - zlato.",
        "Još neki primeri: zemlja, žito, pesak, sneg.",
    });
}

QString Text33() {
    return lines({
        "Većina zajedničkih i apstraktnih imenica razlikuju kategoriju broja, tj. imaju oblike i ",
        "jednine i množine, dok vlastite, zbirne i gradivne imenice imaju samo oblik ",
        "jednine. Pojedine zbirne imenice, ipak, mogu imati oblike i jednine i množine, npr:",
        "jato - jata, četa - čete, narod - narodi. Pojedine zajedničke i vlastite imenice ",
        "oblikom množine označavaju pojedinačne predmete i pojave, pa su praktično ",
        "uvek u množini. Takve imenice koje oblikom množine označavaju pojedinačno ",
        "značenje nečega nazivamo pluralia tantum.",
        "Primeri: vrata, leđa, grudi, boginje, Karlovci, naočare.",
    });
}

QStringList PoemAnswers() {
    return {"Oranje", "cetovanja"};
}

} // namespace content::form3
