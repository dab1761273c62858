// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation's results in the window, and the month detail page.
#include "form1.h"

#include "calc/pregnancy.h"
#include "calc/progress.h"
#include "content/monthdetail.h"
#include "input/datecheck.h"
#include "resources.h"

#include <QScreen>

namespace velluna {

using namespace layout;

void Form1::Elabora()
{
    DataUM = listDate();
    DiffCiclo = cycleDifference(Ciclo->currentText());
    const auto lmp = calendarDate(Giorn->currentText(), Mes->currentText(), Ann->currentText());
    if (!lmp)
        return; // the confirmation lets only calendar dates through
    QDate adjusted = lmp->addDays(static_cast<qint64>(DiffCiclo));
    DataUM = adjusted;

    Info->hide();
    T1->show();
    T1b->show();
    setHeightTwips(kHeightFull);
    recentre();
    GiorniTotali = kGiorniTotali;

    Label *const labels[] = {Label1, Label2, Label3};
    for (int i = 0; i < 3; ++i) {
        DividiG(adjusted.addDays(kBirthOffsets[i]));
        labels[i]->setCaption(DataLunga);
    }
    Calcolo(adjusted);
    DataUM = adjusted;
}

void Form1::DividiG(const QDate &date)
{
    DataLunga = longDate(date);
}

void Form1::Calcolo(QDate &M)
{
    const Status s = computeStatus(M, static_cast<int>(DiffCiclo), m_clock.today());
    if (s.futureStop) {
        setHeightTwips(kHeightFutureStop);
        return;
    }
    GiorniPassati = s.days;
    if (s.weekMarked) {
        Settimana->setCursor(res::cursor(102));
        Lampeggio = 1;
        if (!s.weekTooltip.isEmpty())
            Settimana->setToolTip(s.weekTooltip);
    }
    Settimana->setCaption(s.weekCaption);
    DiffCiclo = -DiffCiclo;
    M = M.addDays(static_cast<qint64>(DiffCiclo));

    MeseCorrente = s.month;
    if (s.pictureMonth != 0)
        Image1->setPicture(QString::number(s.pictureMonth), content::monthPictureName(s.pictureMonth));
    Trimestre->setCaption(s.trimesterCaption);
    Label7->setCaption(s.monthCaption);
    if (!s.monthPhrase.isEmpty())
        Posiz->setCaption(s.monthPhrase);
    if (s.milestoneStop) {
        setHeightTwips(kHeightMilestoneStop);
        return;
    }
    Consigli->setCaption(s.milestone);
    note->setCaption(s.advice);
}

void Form1::AggiornaProgresso()
{
    const Progress p = computeProgress(GiorniPassati, GiorniTotali);
    mascheraS->move(px(p.maskLeftTwips), mascheraS->y());
    Perce->setCaption(p.caption);
    Perce->setToolTip(p.countdown);
}

void Form1::Posiz_Click()
{
    const int month = content::monthFromCaption(Label7->caption());
    if (month != 0) {
        TESTO->setCaption(content::monthDetailText(month));
        switch (content::detailPicturePlace(month)) {
        case content::PicturePlace::Small:
            Image3->setGeometry(layout::Image3Small.rect());
            break;
        case content::PicturePlace::Wide:
            Image3->setGeometry(layout::Image3.rect());
            break;
        case content::PicturePlace::Unchanged:
            break;
        }
        Info->show();
    }
    if (MeseCorrente > 0 && MeseCorrente < 10)
        Image3->setPicture(QString::number(MeseCorrente + 100), content::monthPictureName(MeseCorrente));
}

void Form1::TESTO_Click()
{
    Info->hide();
}

void Form1::Image3_Click()
{
    Info->hide();
}

void Form1::Posiz_MouseMove()
{
    Posiz->setCursor(res::cursor(101));
    imgG->hide();
    Posiz->setToolTip(QStringLiteral("Clicca per vedere più informazioni"));
}

void Form1::TESTO_MouseMove()
{
    TESTO->setCursor(res::cursor(101));
    TESTO->setToolTip(QStringLiteral("Clicca per tornare allo schema generale."));
}

void Form1::Image3_MouseMove()
{
    Image3->setCursor(res::cursor(101));
    Image3->setToolTip(QStringLiteral("Clicca per tornare allo schema generale."));
}

} // namespace velluna
