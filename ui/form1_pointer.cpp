// SPDX-License-Identifier: GPL-3.0-or-later
// What the pointer alone does, and the blink.
#include "form1.h"

#include "content/monthdetail.h"
#include "resources.h"

namespace velluna {

using namespace layout;

void Form1::OK_MouseMove()
{
    OK->setCursor(res::cursor(101));
    OK->setForeColor(bgr(kLinkBlue));
    OK->setUnderline(true);
}

void Form1::Form_MouseMove()
{
    OK->setForeColor(bgr(kBlack));
    OK->setUnderline(false);
}

void Form1::Image1_MouseMove()
{
    Image1->setCursor(res::cursor(101));
    if (!Image1->hasPicture())
        return;
    if (const auto picture = content::monthPicture(m_pregnancy.meseCorrente()))
        Image2->setPicture(picture->resource, picture->description);
    imgG->show();
}

void Form1::note_MouseMove()
{
    imgG->hide();
}

void Form1::Perce_MouseMove()
{
    Perce->setCursor(res::cursor(102));
}

void Form1::Timer1_Timer()
{
    // Conta is the phase of a 200-step cycle of 5 ms each. The timer ticks
    // only at the two phases that change a colour, every half second, and
    // moves the phase on by the hundred steps in between: the window wakes
    // when something on screen changes, and at no other time.
    if (Conta == 100) {
        Posiz->setForeColor(bgr(kRed));
        if (m_pregnancy.weekBlinks())
            Settimana->setForeColor(bgr(kYellowText));
    }
    if (Conta == 0) {
        Posiz->setForeColor(bgr(kBlack));
        if (m_pregnancy.weekBlinks())
            Settimana->setForeColor(bgr(kBlack));
    }
    Conta += kBlinkStep;
    if (Conta == 200)
        Conta = 0;
}

} // namespace velluna
