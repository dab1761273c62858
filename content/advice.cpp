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
        u"2) Niente fumo né alcol, acido folico fino a fine trimestre, nessun farmaco senza il parere del medico e "
        u"non sospendere da sola quelli che prendi già. Cuoci bene carne e pesce, lava frutta e verdura.",
        u"3) Contro la nausea fai piccoli spuntini. Chiama il medico se vomiti e non trattieni i liquidi, subito se "
        u"perdi sangue o hai forte dolore al basso ventre.",
        u"4) Da comprare: un reggiseno comodo, senza ferretto, che sostenga il seno che cresce ed è più sensibile, e "
        u"una crema nutriente per mantenere elastica la pelle di seno e pancia.",
    },
    {
        u"1) Se parti da un peso normale, aumenterai di circa 4-6\u00A0kg.",
        u"2) Ritagliati del tempo per te e fai un'attività leggera, come camminare o nuotare: aiuta la circolazione. "
        u"Se perdi sangue o liquido, o hai contrazioni regolari e dolorose prima delle 37 settimane, vai subito in "
        u"ospedale.",
        u"3) È il periodo migliore per viaggiare e preparare la casa; tieni con te spuntini sani. Forte mal di testa, "
        u"vista disturbata, dolore sotto le costole, viso o mani gonfi d'improvviso: vai subito in ospedale.",
        u"4) Da comprare: calze o collant riposanti per le gambe, da scegliere con il medico o in farmacia, un "
        u"reggiseno di sostegno e vestiti comodi, che non stringano la pancia.",
    },
    {
        u"1) Quanti chili prendere in tutto dipende dal tuo peso di partenza: chiedi a chi ti segue.",
        u"2) Rilassati. Scarpe basse e dormire sul fianco aiutano la schiena. Se il bambino si muove meno o in modo "
        u"diverso, chiama subito l'ospedale, senza aspettare il giorno dopo; se perdi sangue o liquido, vacci subito.",
        u"3) Evita sforzi e prepara la borsa per l'ospedale: vacci subito se hai contrazioni regolari prima delle 37 "
        u"settimane, forte mal di testa, vista disturbata, dolore sotto le costole, viso o mani gonfi di colpo.",
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
