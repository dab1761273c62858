// SPDX-License-Identifier: GPL-3.0-or-later
// Development texts for weeks 4 to 40 of pregnancy, counted from the first
// day of the last menstruation. Each one is shown as the tooltip of the week
// label, so it stays a single short paragraph addressed to the mother.
#include "texts.h"

#include <iterator>

namespace velluna::content {

namespace {

constexpr int kFirstWeek = 4;
constexpr int kLastWeek = 40;

const char16_t *const kWeekTexts[] = {
    // 4
    u"Nel collo dell'utero si sta formando il tappo mucoso, una barriera che protegge il tuo bambino.",
    // 5
    u"Il progesterone mantiene salda e nutrita la mucosa dell'utero, dove il tuo bambino si è annidato.",
    // 6
    u"Il tuo bambino è ancora troppo piccolo perché la pancia si noti. Un'ecografia interna, transvaginale, spesso "
    u"mostra già il battito del suo cuore, ma non è un esame di routine. Entro 10 settimane fai la prima visita in "
    u"consultorio, da un'ostetrica o dal ginecologo.",
    // 7
    u"L'embrione assume una forma umana: si abbozzano testa, braccia e gambe.",
    // 8
    u"L'embrione sta per diventare un piccolo feto.",
    // 9
    u"La piccola coda scompare e in poche settimane il bambino ha triplicato la sua lunghezza. La placenta cresce e si "
    u"fa spazio nell'utero.",
    // 10
    u"Si formano le impronte digitali e i muscoli del viso. Prenota il test combinato (ecografia ed esame del "
    u"sangue), da fare tra 11 e 13 settimane compiute: in diverse regioni offrono anche il NIPT.",
    // 11
    u"È grande più o meno come un fico e i suoi organi hanno già cominciato a funzionare. Il rischio di aborto "
    u"spontaneo ora si riduce molto. Un detto popolare vuole che la pancia a punta annunci un maschio: è solo una "
    u"credenza!",
    // 12
    u"Il primo trimestre sta per finire: il tuo bambino è grande come un piccolo limone e la placenta è quasi del "
    u"tutto formata.",
    // 13
    u"I genitali esterni sono formati e ora puoi sentire l'utero con la mano, sopra il pube. Il vaccino "
    u"antinfluenzale, in stagione, e quello anti-COVID sono raccomandati in ogni trimestre.",
    // 14
    u"Ora è grande più o meno come una pera e i piccoli muscoli del viso gli permettono già di cambiare "
    u"espressione.",
    // 15
    u"Il suo udito si sviluppa: presto potrà percepire la tua voce, il battito del tuo cuore e i rumori del tuo "
    u"stomaco.",
    // 16
    u"Il tuo bambino cresce in fretta: con un'ecografia vedresti il profilo del viso e i movimenti, anche se non li "
    u"senti ancora. Se hai avuto il diabete in una gravidanza precedente o hai un BMI di 30 o più, tra 16 e 18 "
    u"settimane farai la curva da carico.",
    // 17
    u"La placenta è ormai grande quanto il tuo bambino, che si esercita con i primi movimenti respiratori, anche "
    u"se nei polmoni non c'è ancora aria.",
    // 18
    u"Quando sei sdraiata e tranquilla, potresti avvertire i suoi primi movimenti, come un lieve sfarfallio. Si "
    u"avvicina l'ecografia morfologica, che controlla il suo sviluppo e spesso mostra anche il sesso.",
    // 19
    u"Il tuo bambino reagisce ai suoni, al tocco e alla luce: se appoggi la mano sulla pancia o se la illumina una "
    u"luce forte, potrebbe muoversi. Parlagli spesso: sta cominciando a conoscerti.",
    // 20
    u"Con lo stetoscopio ostetrico, un semplice tubo appoggiato alla pancia, l'ostetrica può cominciare ad "
    u"ascoltare il battito del suo cuore. La crescita in lunghezza ora rallenta, mentre il peso aumenterà sempre "
    u"di più.",
    // 21
    u"Il cervello del tuo bambino cresce rapidamente in queste settimane e alcuni studiosi pensano che già ora "
    u"possa iniziare a formarsi la memoria. Ascolta musica rilassante: fa bene a te e, forse, anche a lui.",
    // 22
    u"Dalla testa al sederino ora è lungo più o meno come una banana. Si muove spesso e reagisce ai rumori forti con "
    u"un sussulto o con qualche calcetto: se lo senti agitarsi, forse ha sentito anche lui quel rumore.",
    // 23
    u"Appoggiando la mano sulla tua pancia, il tuo partner può cominciare a sentire i movimenti del bambino. Goditi "
    u"questi momenti insieme e, nei giorni più difficili, chiedi aiuto a chi ti sta vicino.",
    // 24
    u"Da ora è considerato vitale: se nascesse molto prima, la terapia intensiva neonatale gli darebbe una "
    u"possibilità. Se sei a rischio di diabete, tra 24 e 28 settimane farai la curva da carico.",
    // 25
    u"Prova a cantargli ogni sera la stessa ninna nanna: dopo la nascita potrebbe riconoscerla e calmarsi "
    u"ascoltandola. La tua voce è quella che sente meglio, perché gli arriva anche dall'interno del tuo corpo.",
    // 26
    u"Si dice che la musica classica favorisca le capacità spaziali del bambino. Gli studi non lo confermano, ma "
    u"se ti piace ascoltarla, è un bel momento da condividere.",
    // 27
    u"I suoi movimenti diventano più bruschi, a volte mentre cerchi di dormire: riposa quando puoi di giorno. Dalla "
    u"28ª settimana addormentati sul fianco, non sulla schiena; se ti svegli supina, torna sul fianco.",
    // 28
    u"Il bambino sente il tuo umore: se sei spesso in ansia o giù, parlane con l'ostetrica. È ora del vaccino dTpa "
    u"contro la pertosse, in ogni gravidanza; se sei Rh negativa, ti proporranno l'anti-D.",
    // 29
    u"L'utero che cresce preme sullo stomaco: se hai bruciori o ti senti subito sazia, fai pasti piccoli e frequenti. "
    u"Alle visite si controlla che il bambino cresca bene. Se non hai ancora fatto il vaccino dTpa, puoi farlo fino "
    u"a 36 settimane.",
    // 30
    u"Con l'avvicinarsi della data del parto è normale provare un po' di ansia: parlane con chi ti segue. Se hai "
    u"altri figli, invitali a parlare al fratellino o alla sorellina nella pancia.",
    // 31
    u"Il tuo bambino è sempre più attento a ciò che lo circonda: percepisce i tuoi movimenti, la tua voce, la "
    u"musica, la luce e le carezze sulla pancia, e spesso risponde muovendosi.",
    // 32
    u"Il tuo bambino cerca la posizione per la nascita: quasi sempre si mette a testa in giù. Se non si è ancora "
    u"girato, ha tempo; se a 36 settimane è ancora podalico, potranno proporti di girarlo dall'esterno.",
    // 33
    u"Un massaggio delicato su schiena e pancia, fatto dal tuo partner, può rilassarti: è un momento di calma e di "
    u"vicinanza per voi due e, forse, anche per il bambino.",
    // 34
    u"Informati sul parto e sulle sue fasi, per esempio a un corso di accompagnamento alla nascita: ti aiuterà ad "
    u"affrontarlo con fiducia. Sentirai spesso spingere un ginocchio o un piedino.",
    // 35
    u"Il parto si avvicina: tra 36 e 37 settimane ti proporranno il tampone per lo streptococco B. Il tuo bambino "
    u"sente i rumori esterni, attutiti dalla pancia: gliene arriva più o meno la metà.",
    // 36
    u"Le contrazioni preparatorie possono disturbarti: respira piano e a fondo. Se si fanno regolari e dolorose o "
    u"perdi liquido o sangue, chiama subito l'ostetrica o il punto nascita.",
    // 37
    u"Metti in auto la borsa per l'ospedale. Ormai conosci il ritmo dei suoi movimenti: se si muove meno del solito, "
    u"chiama subito l'ostetrica o l'ospedale.",
    // 38
    u"La sua testa potrebbe essere già scesa nel bacino: se è così respiri meglio, ma camminare stanca di più. Se non "
    u"è il tuo primo figlio, spesso scende solo in travaglio. Le ossa del cranio, non ancora saldate, lo aiutano a "
    u"nascere.",
    // 39
    u"Ti senti pesante e dormi poco: è normale in queste ultime settimane di attesa. Un bagno tiepido e rilassante "
    u"può darti sollievo. Se perdi liquido, chiama subito l'ospedale.",
    // 40
    u"Potresti sentirti diversa e voler riordinare casa: è l'istinto del nido. L'attesa sembra infinita. Dopo la data "
    u"prevista ti controlleranno più spesso e tra 41 e 42 settimane ti proporranno l'induzione del parto.",
};

static_assert(std::size(kWeekTexts) == kLastWeek - kFirstWeek + 1, "one text for every week from 4 to 40");

} // namespace

QString weekText(int weeks)
{
    if (weeks < kFirstWeek || weeks > kLastWeek)
        return {};
    return QString::fromUtf16(kWeekTexts[weeks - kFirstWeek]);
}

} // namespace velluna::content
