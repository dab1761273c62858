// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one window. It owns every control and the pregnancy state
// for its whole life and turns events into calls of the calculation core.
// Everything in it is its own: tests and assistive tools find the controls
// by their object names.
#pragma once

#include "calc/clock.h"
#include "calc/pregnancy.h"
#include "controls.h"
#include "input/confirmation.h"
#include "input/lists.h"

#include <QWidget>

class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;

namespace velluna {

class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(Clock &clock, QWidget *parent = nullptr);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;

private slots:
    // Start-up and sizing.
    void Giorn_GotFocus();
    void Mes_GotFocus();
    void Ann_GotFocus();
    void Frame1_MouseMove();
    void Label4_MouseMove();

    // Entry lists and confirmation.
    void Mes_Click();
    void OK_Click();
    void Label4_Click();
    void Modo_Click(QAction *item);
    void Command1_Click();

    // Month detail page.
    void Posiz_Click();
    void TESTO_Click();
    void Image3_Click();
    void Posiz_MouseMove();
    void TESTO_MouseMove();
    void Image3_MouseMove();

    // Pointer and blink.
    void OK_MouseMove();
    void Image1_MouseMove();
    void note_MouseMove();
    void Perce_MouseMove();
    void Timer1_Timer();

private:
    void createControls();
    void createBands();
    void createInputStrip();
    void createPanels();
    void setUpKeyboard();
    void connectEvents();
    void Form_Load();
    void Form_MouseMove();

    // Entry lists and confirmation.
    void PGiorni();
    void fillDateLists(const ModeLists &lists);
    void chooseMode(Mode mode);
    EntryTexts entryTexts() const;
    void carryOut(const Confirmation::Answer &answer);
    void MostraErrore(const QString &message);
    void Pausa(double seconds);

    // A calculation's results put on screen.
    void showResults(const Results &d);

    // The window's outer height in twips, and the centring for a height.
    void setHeightTwips(int twips);
    void recentre(int heightTwips);

    Clock &m_clock;
    Confirmation m_confirmation; // holds the stage, Fase
    Pregnancy m_pregnancy;
    int Conta = 0; // blink phase 0..199

    // Child windows.
    Panel *imgG;
    Panel *Info;
    QLineEdit *Text1;
    QPushButton *Command1;
    Panel *Frame1;
    Panel *mestra;
    List *Ann;
    List *Mes;
    List *Giorn;
    List *Ciclo;
    List *Embrione;
    QMenu *Modo; // the heading's menu of the three modes
    // Labels, shapes and images.
    Label *Perce;
    Shape *mascheraS;
    Shape *Shape12;
    Image *statoper;
    Image *Image1;
    Label *note;
    Label *Trimestre;
    Shape *Shape8;
    Shape *Shape7;
    Label *Consigli;
    Shape *Shape6;
    Label *Label5;
    Shape *Shape3;
    Label *Posiz;
    Label *Label7;
    Shape *Shape4;
    Label *Settimana;
    Shape *Shape1;
    Label *T1b;
    Shape *T1;
    Label *errore;
    Shape *Merror;
    Label *Label3;
    Label *Label2;
    Label *Label1;
    Shape *Shape2;
    Shape *Shape5;
    Label *OK;
    Label *Label4;
    Shape *Shape9;
    Shape *Shape10;
    Label *Label6;
    Shape *Shape11;
    Image *Image2;
    Image *Image3;
    Label *TESTO;
    QTimer *Timer1;
};

} // namespace velluna
