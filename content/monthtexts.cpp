// SPDX-License-Identifier: GPL-3.0-or-later
// The month detail viewer's description of the baby's development in each
// month of pregnancy, and the attribution that closes it. Every paragraph is
// one line: the viewer puts the line breaks between paragraphs itself.
#include "texts.h"

#include <iterator>

namespace velluna::content {

namespace {

struct MonthParagraph
{
    int month;
    const char16_t *text;
};

// In reading order, month after month.
const MonthParagraph kMonthParagraphs[] = {
    {1, u"Il primo mese si conta dall'ultima mestruazione: il concepimento avviene circa due settimane dopo e a fine "
        u"mese l'embrione si è annidato nell'utero."},
    {1, u"Braccia e gambe non ci sono ancora: le loro gemme compariranno ai lati del corpo verso la sesta settimana."},
    {1, u"Presto si formerà il sistema nervoso."},
    {1, u"Gli organi di senso cominceranno ad abbozzarsi nelle prossime settimane: per ora l'embrione è un minuscolo "
        u"disco di cellule."},
    {1, u"Intorno all'embrione si formano una piccola cavità piena di liquido, i primi abbozzi della placenta e il "
        u"peduncolo da cui nascerà il cordone ombelicale."},
    {1, u"Alla fine del mese l'embrione misura meno di un millimetro."},

    {2, u"Si forma il tubo neurale, da cui nasceranno cervello e midollo spinale, e si abbozza la colonna vertebrale. "
        u"Il cuore comincia a battere e a dividersi in due metà, destra e sinistra. Compaiono le gemme di braccia e "
        u"gambe, che si allungano e formano le prime dita; i reni cominciano a svilupparsi."},
    {2, u"Prendono forma gli occhi, le orecchie, il naso e la lingua, anche se il tuo bambino non può ancora né "
        u"sentire né vedere."},
    {2, u"Fa i primi movimenti e all'ecografia si può vedere battere il suo cuore."},
    {2, u"Alla fine del secondo mese è lungo circa 2\u00A0cm dalla testa al sederino e pesa 1-2\u00A0g."},

    {3, u"In questo mese il suo volume triplica. Il sistema nervoso si sviluppa e i nervi raggiungono i muscoli; "
        u"lo scheletro, ancora di cartilagine, comincia a trasformarsi in osso e si formano le articolazioni di "
        u"spalle, gomiti, polsi e ginocchia. Ormai non si parla più di embrione ma di feto: il tuo bambino ha già "
        u"formato tutti i suoi organi principali."},
    {3, u"Il viso prende forma: si delineano le narici e le labbra, si forma la bocca e le palpebre crescono fino "
        u"a coprire gli occhi, che resteranno chiusi per alcuni mesi."},
    {3, u"Si muove sempre di più, apre e chiude le mani e compare già il riflesso di suzione."},
    {3, u"Alla fine del terzo mese, verso la tredicesima settimana, è lungo circa 10\u00A0cm e pesa 20-25\u00A0g."},

    {4, u"I polmoni si sviluppano ma non respirano ancora: l'ossigeno gli arriva attraverso la placenta e il "
        u"cordone ombelicale. Si forma l'appendice e il corpo si copre di una peluria sottile, la lanugine."},
    {4, u"L'orecchio è quasi completo e le retine cominciano a percepire la luce, ma non può ancora vedere."},
    {4, u"Fa smorfie, aggrotta la fronte e si mette il pollice in bocca."},
    {4, u"Alla fine del quarto mese, verso la diciassettesima settimana, è lungo circa 18\u00A0cm e pesa 150\u00A0g."},

    {5, u"Le cellule nervose sono quasi tutte formate e i muscoli si rafforzano. All'ecografia si può vedere il sesso. "
        u"Sui polpastrelli sono comparse le impronte digitali, sulla testa spuntano i primi capelli e la pelle si "
        u"ricopre di vernice caseosa, una sostanza grassa e biancastra che la protegge dal liquido amniotico in cui il "
        u"tuo bambino è immerso."},
    {5, u"Spuntano le ciglia e le sopracciglia e si forma l'iride, la parte colorata dell'occhio."},
    {5, u"Si succhia il pollice, dorme a lungo, anche 16-20 ore al giorno, e ogni tanto sbadiglia, proprio come "
        u"farà dopo la nascita."},
    {5, u"Alla fine del quinto mese, verso la ventiduesima settimana, è lungo circa 28\u00A0cm e pesa 450\u00A0g."},

    {6, u"Gli organi sessuali sono completi e sotto le gengive ci sono già le gemme dei denti. Crescono le unghie, "
        u"i nervi maturano e si forma il primo strato di grasso sotto la pelle."},
    {6, u"Sente i suoni, reagisce alle carezze e fa già la pipì."},
    {6, u"Se si muove meno o in modo diverso, chiama subito l'ospedale: non aspettare."},
    {6, u"Alla fine del sesto mese, verso la ventiseiesima settimana, supera i 30\u00A0cm e pesa circa 700\u00A0g."},

    {7, u"Fa movimenti respiratori e il suo sistema nervoso matura. Se si muove meno o in modo diverso, chiama subito "
        u"l'ospedale: non aspettare."},
    {7, u"Apre gli occhi per la prima volta e percepisce la luce che filtra attraverso la pancia."},
    {7, u"Fa capriole nel liquido amniotico."},
    {7, u"Alla fine del settimo mese, verso la trentesima settimana, è lungo circa 40\u00A0cm e pesa 1,5\u00A0kg."},

    {8, u"La corteccia cerebrale si sviluppa: si ritiene che il tuo bambino possa già avvertire il dolore. Le unghie "
        u"sono complete."},
    {8, u"Sente bene i suoni, sussulta ai rumori forti e improvvisi, distingue la luce dal buio."},
    {8, u"Inghiotte il liquido amniotico: così allena il gusto, l'intestino e i reni. Se si muove meno o in modo "
        u"diverso, chiama subito l'ospedale, senza aspettare il giorno dopo."},
    {8,
     u"Alla fine dell'ottavo mese, verso la trentaquattresima settimana, è lungo circa 45\u00A0cm e pesa 2,4\u00A0kg."},

    {9, u"Il cervello continua a maturare rapidamente. Sotto la pelle si accumula il grasso che lo terrà al caldo: "
        u"diventa più paffuto e perde quasi tutta la lanugine. Entro la fine del mese i polmoni saranno pronti a "
        u"respirare aria. Quasi sempre si sistema a testa in giù, verso il bacino. Se si muove meno o in modo "
        u"diverso, chiama subito l'ospedale, senza aspettare il giorno dopo."},
    {9, u"I suoi sensi sono pronti per la nascita: sente, distingue la luce, percepisce il tocco e il gusto."},
    {9, u"Ha sempre meno spazio, ma i suoi calci si sentono bene."},
    {9, u"Alla fine del nono mese è lungo circa 50\u00A0cm e pesa 3-3,5\u00A0kg."},
};

static_assert(std::size(kMonthParagraphs) == 38, "six paragraphs for month 1, four for each later month");

} // namespace

QStringList monthParagraphs(int month)
{
    QStringList paragraphs;
    for (const MonthParagraph &paragraph : kMonthParagraphs) {
        if (paragraph.month == month)
            paragraphs.append(QString::fromUtf16(paragraph.text));
    }
    return paragraphs;
}

QString attributionLeadIn()
{
    return QStringLiteral("Per saperne di più:");
}

// The public-health portal of the Istituto Superiore di Sanità. Month 1
// indents it by sixteen spaces in a narrow label, so it has to stay short.
QString attributionWebsite()
{
    return QStringLiteral("www.issalute.it");
}

} // namespace velluna::content
