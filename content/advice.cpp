// SPDX-License-Identifier: GPL-3.0-or-later
// Four numbered pieces of advice for each trimester: the expected weight
// gain, looking after oneself, practical matters and what to buy.
#include "texts.h"

#include <iterator>

namespace velluna::content {

namespace {

constexpr int kTrimesters = 3;
constexpr int kParagraphsPerTrimester = 4;

const char16_t *const kAdvice[kTrimesters][kParagraphsPerTrimester] = {
    {
        u"1) In questo trimestre aumenterai di circa 1-1,5\u00A0kg; mezzo chilo in più o in meno non deve "
        u"preoccuparti.",
        u"2) Abbi cura di te: prendi l'acido folico fino alla fine del trimestre, niente fumo né alcol e nessun "
        u"farmaco senza il parere del medico. Il seno è più sensibile: trattalo con delicatezza.",
        u"3) Contro la nausea fai piccoli spuntini. Cuoci bene carne e pesce, lava con cura frutta e verdura, evita "
        u"salumi crudi e formaggi a latte crudo.",
        u"4) Da comprare: un reggiseno comodo, senza ferretto, che sostenga bene il seno che cresce, e una crema "
        u"nutriente per mantenere elastica la pelle di seno e pancia.",
    },
    {
        u"1) Nel secondo trimestre aumenterai di circa 4-6\u00A0kg.",
        u"2) Ritagliati ogni giorno del tempo per te. Un'attività fisica leggera, come camminare o nuotare, aiuta "
        u"la circolazione e ti fa sentire meglio: chiedi al medico o all'ostetrica quale sia la più adatta a te.",
        u"3) È il periodo migliore per viaggiare, dopo averne parlato con il medico, e per preparare la casa "
        u"all'arrivo del bambino. Tieni a portata di mano spuntini sani, come frutta e yogurt.",
        u"4) Da comprare: calze o collant riposanti per le gambe, da scegliere con il medico o in farmacia, un "
        u"reggiseno di sostegno e vestiti comodi, che non stringano la pancia.",
    },
    {
        u"1) Il peso da prendere in tutto dipende da quello di partenza: chiedi al medico o all'ostetrica.",
        u"2) Dedica del tempo al rilassamento. Contro il mal di schiena aiutano una buona postura, scarpe basse e "
        u"comode e dormire sul fianco con un cuscino tra le ginocchia. Chiedi all'ostetrica qualche esercizio.",
        u"3) Evita gli sforzi e non sollevare pesi. Prepara la borsa per l'ospedale e informati per tempo sui "
        u"documenti da presentare al datore di lavoro e all'INPS per il congedo di maternità.",
        u"4) Da comprare: camicie da notte aperte davanti, assorbenti per il dopoparto, body, tutine, pannolini e "
        u"un seggiolino per l'auto omologato.",
    },
};

static_assert(std::size(kAdvice) == kTrimesters);

} // namespace

QStringList adviceParagraphs(int trimester)
{
    if (trimester < 1 || trimester > kTrimesters)
        return {};
    QStringList paragraphs;
    paragraphs.reserve(kParagraphsPerTrimester);
    for (const char16_t *paragraph : kAdvice[trimester - 1])
        paragraphs.append(QString::fromUtf16(paragraph));
    return paragraphs;
}

QString adviceText(int trimester)
{
    // The advice label breaks lines on a bare carriage return.
    return adviceParagraphs(trimester).join(QChar(u'\r'));
}

} // namespace velluna::content
