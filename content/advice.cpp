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
        u"2) Niente fumo né alcol; acido folico fino a fine trimestre. Nessun farmaco senza il medico, ma non "
        u"sospendere da sola quelli che prendi; con febbre a 38\u00A0°C o più chiamalo. Cuoci bene carne e pesce, lava "
        u"frutta e verdura.",
        u"3) Contro la nausea fai piccoli spuntini. Chiama il medico se vomiti e non trattieni i liquidi, subito se "
        u"perdi sangue o hai forte dolore al basso ventre.",
        u"4) Da comprare: un reggiseno comodo, senza ferretto, che sostenga il seno che cresce, e una crema nutriente "
        u"per la pelle di seno e di pancia.",
    },
    {
        u"1) In questo trimestre, da normopeso, prenderai 4-6\u00A0kg.",
        u"2) Ritagliati del tempo per te; camminare o nuotare aiuta la circolazione. Con febbre a 38\u00A0°C o più "
        u"chiama il medico; vai subito in ospedale se perdi sangue o liquido, hai contrazioni regolari prima delle 37 "
        u"settimane o forte mal di pancia.",
        u"3) È il periodo migliore per viaggiare: porta con te spuntini sani. Forte mal di testa, vista disturbata, "
        u"dolore sotto le costole, viso o mani gonfi di colpo: vai subito in ospedale.",
        u"4) Dalla 24ª settimana, se il bambino si muove meno del solito, chiama subito l'ospedale. Da comprare: calze "
        u"riposanti, un reggiseno di sostegno e vestiti comodi.",
    },
    {
        u"1) Quanti chili prendere in tutto dipende dal tuo peso di partenza: chiedi a chi ti segue.",
        u"2) Rilassati: scarpe basse e dormire sul fianco aiutano la schiena. Se il bambino si muove meno o in modo "
        u"diverso, chiama subito l'ospedale, senza aspettare; se perdi sangue o liquido o hai febbre a 38\u00A0°C o "
        u"più, "
        u"vacci subito.",
        u"3) Prepara la borsa per l'ospedale: vacci subito se hai contrazioni regolari prima delle 37 settimane, forte "
        u"dolore alla pancia, sotto le costole o alla testa, vista disturbata, viso o mani gonfi di colpo.",
        u"4) Forte prurito a mani e piedi? Chiama il medico. Da comprare: camicie da notte, assorbenti per il "
        u"dopoparto, tutine, pannolini e un seggiolino auto.",
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
