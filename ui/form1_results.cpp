// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation's results in the window, and the month detail page.
#include "form1.h"

#include "content/monthdetail.h"
#include "resources.h"

#include <QLineEdit>

namespace velluna {

using namespace layout;

namespace {

void setCaption(Label *label, const std::optional<QString> &caption)
{
    if (caption)
        label->setCaption(*caption);
}

void setPicture(Image *image, const std::optional<content::Picture> &picture)
{
    if (picture)
        image->setPicture(picture->resource, picture->description);
}

} // namespace

void Form1::showResults(const Results &d)
{
    Info->hide(); // a month page left open closes
    T1->show();
    T1b->show();
    setHeightTwips(d.heightTwips);
    recentre(d.centredForTwips);
    Label1->setCaption(d.birthDates[0]);
    Label2->setCaption(d.birthDates[1]);
    Label3->setCaption(d.birthDates[2]);
    if (d.SettimanaMarked)
        Settimana->setCursor(res::cursor(102));
    if (d.SettimanaTip)
        Settimana->setToolTip(*d.SettimanaTip);
    setCaption(Settimana, d.Settimana);
    setPicture(Image1, d.Image1);
    setCaption(Trimestre, d.Trimestre);
    setCaption(Label7, d.Label7);
    setCaption(Posiz, d.Posiz);
    setCaption(Consigli, d.Consigli);
    setCaption(note, d.note);
    mascheraS->move(px(d.maskLeftTwips), mascheraS->y());
    Perce->setCaption(d.Perce);
    Perce->setToolTip(d.PerceTip);
    Text1->setAccessibleName(d.Text1);
}

void Form1::Posiz_Click()
{
    const content::MonthPage page = content::monthPage(Label7->caption(), m_pregnancy.meseCorrente());
    if (page.text) {
        TESTO->setCaption(*page.text);
        if (page.place == content::PicturePlace::Small)
            Image3->setGeometry(layout::Image3Small.rect());
        else if (page.place == content::PicturePlace::Wide)
            Image3->setGeometry(layout::Image3.rect());
        Info->show();
    }
    setPicture(Image3, page.picture);
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
