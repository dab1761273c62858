// SPDX-License-Identifier: GPL-3.0-or-later
// The window: its controls, start-up and the heights that show and hide
// whole bands of it.
#include "form1.h"

#include "accessible.h"
#include "input/lists.h"
#include "nativewindow.h"
#include "resources.h"

#include <QAccessible>
#include <QActionGroup>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace velluna {

using namespace layout;

namespace {

// Controls that name no text colour draw in the button-text colour; these
// system colours stand for the platform's own.
QColor windowTextColor()
{
    return QPalette().color(QPalette::WindowText);
}

} // namespace

Form1::Form1(Clock &clock, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint)
    , m_clock(clock)
{
    installAccessibility();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Velluna    ----Zebo"));
    setWindowIcon(res::icon());
    setFont(windowFont());
    QPalette p = palette();
    p.setColor(QPalette::Window, bgr(kWhite));
    setPalette(p);
    setMouseTracking(true);

    createControls();
    connectEvents();
    Form_Load();

    // Centred on the screen when first shown, at the start-up size.
    const QRect screenRect = screen()->geometry();
    move(screenRect.x() + (screenRect.width() - px(kWindowWidth)) / 2,
         screenRect.y() + (screenRect.height() - px(kHeightStrip)) / 2);
    keepOffTaskbar(this);
}

void Form1::createControls()
{
    createBands();
    // Child windows always lie in front of the window's own labels and
    // shapes.
    createInputStrip();
    createPanels();
    setUpKeyboard();
}

// Labels, shapes and images of the window, created back to front so each
// lies over the ones before it.
void Form1::createBands()
{
    const QFont regular = windowFont();
    const QFont bold = windowFont(kFontSmall, true);
    const QFont boldMedium = windowFont(kFontMedium, true);

    Shape5 = new Shape(this, layout::Shape5, kPaleLavender);
    Shape2 = new Shape(this, layout::Shape2, kPaleCyan);
    Label1 = new Label(this, layout::Label1, {}, regular);
    Label2 = new Label(this, layout::Label2, {}, bold);
    Label2->setForeColor(windowTextColor());
    Label2->setBackColor(bgr(kLightCyan));
    Label3 = new Label(this, layout::Label3, {}, regular);
    Merror = new Shape(this, layout::Merror, kRed);
    errore = new Label(this, layout::errore, messageText(Confirmation::Message::Date), boldMedium);
    errore->setForeColor(bgr(kYellowText));
    T1 = new Shape(this, layout::T1, kCyan);
    T1b = new Label(this, layout::T1b, QStringLiteral("Probabile Parto"), boldMedium);
    Shape1 = new Shape(this, layout::Shape1, kLightOrange);
    Settimana = new Label(this, layout::Settimana, {}, bold);
    Shape4 = new Shape(this, layout::Shape4, kLightBlue);
    Label7 = new Label(this, layout::Label7, {}, bold);
    Posiz = new Label(this, layout::Posiz, {}, regular);
    Shape3 = new Shape(this, layout::Shape3, kGreen);
    Label5 = new Label(this, layout::Label5, QStringLiteral("Consigli Medici"), boldMedium);
    Shape6 = new Shape(this, layout::Shape6, kLightGreen);
    Consigli = new Label(this, layout::Consigli, QStringLiteral("Label6"), regular);
    Shape7 = new Shape(this, layout::Shape7, kSalmon);
    Shape8 = new Shape(this, layout::Shape8, kLightPink);
    Trimestre = new Label(this, layout::Trimestre, QStringLiteral("Label6"), boldMedium);
    note = new Label(this, layout::note, QStringLiteral("Label6"), regular, Qt::AlignLeft | Qt::AlignTop);
    Image1 = new Image(this, layout::Image1);
    statoper = new Image(this, layout::statoper);
    Shape12 = new Shape(this, layout::Shape12, std::nullopt);
    mascheraS = new Shape(this, layout::mascheraS, kBlack);
    Perce = new Label(this, layout::Perce, QStringLiteral("0%"), windowFont(kFontLarge, true));
    Perce->setForeColor(bgr(kYellowText));
    T1b->hide();
    T1->hide();
    errore->hide();
    Merror->hide();
}

void Form1::createInputStrip()
{
    const QFont bold = windowFont(kFontSmall, true);
    Frame1 = new Panel(this, layout::Frame1, bgr(kWhite));
    Shape10 = new Shape(Frame1, layout::Shape10, kBlack);
    Shape9 = new Shape(Frame1, layout::Shape9, kLightYellow);
    Label4 = new Label(Frame1, layout::Label4, modeName(Mode::LastPeriod), bold);
    Label4->setForeColor(windowTextColor());
    Label4->setBackColor(palette().color(QPalette::Base));
    Label4->setCursor(res::cursor(101));
    Label4->setToolTip(modeSwitchTip());
    Modo = new QMenu(Label4);
    Modo->setObjectName(QStringLiteral("Modo"));
    Modo->setAccessibleName(QStringLiteral("Da quale data contare"));
    auto *items = new QActionGroup(Modo);
    for (const Mode mode : kModes)
        items->addAction(Modo->addAction(modeName(mode)))->setCheckable(true);
    Modo->actions().constFirst()->setChecked(true);
    // A reader hears the heading's menu open and close.
    for (const auto signal : {&QMenu::aboutToShow, &QMenu::aboutToHide}) {
        connect(Modo, signal, this, [this] {
            QAccessible::State expanded;
            expanded.expanded = true;
            QAccessibleStateChangeEvent event(Label4, expanded);
            QAccessible::updateAccessibility(&event);
        });
    }
    OK = new Label(Frame1, layout::OK, QStringLiteral("Conferma"), bold);
    Giorn = new List(Frame1, layout::Giorn);
    Mes = new List(Frame1, layout::Mes);
    Ann = new List(Frame1, layout::Ann);
    mestra = new Panel(Frame1, layout::mestra, QPalette().color(QPalette::HighlightedText));
    Label6 = new Label(mestra, layout::Label6, secondListCaption(Mode::LastPeriod), bold);
    Label6->setBackColor(bgr(kWhite));
    Ciclo = new List(mestra, layout::Ciclo);
    Ciclo->setEditText(QStringLiteral("Combo1"));
    Embrione = new List(mestra, layout::Embrione);
    Embrione->addItems(embryoItems());
    Embrione->hide();
    mestra->hide();
}

// The hidden button and focus holder, the month page, the enlarged picture
// and the blink's timer.
void Form1::createPanels()
{
    Command1 = new QPushButton(QStringLiteral("Command1"), this);
    Command1->setObjectName(QLatin1String(layout::Command1.name));
    Command1->setGeometry(layout::Command1.rect());
    Command1->setAttribute(Qt::WA_NoMousePropagation);
    Command1->hide();
    Text1 = new QLineEdit(QStringLiteral("Text1"), this);
    Text1->setObjectName(QLatin1String(layout::Text1.name));
    Text1->setGeometry(layout::Text1.rect());
    Text1->setAttribute(Qt::WA_NoMousePropagation);

    Info = new Panel(this, layout::Info, bgr(kPaleLavender));
    TESTO = new Label(Info, layout::TESTO, {}, windowFont(), Qt::AlignLeft | Qt::AlignTop);
    Image3 = new Image(Info, layout::Image3);
    Timer1 = new QTimer(Info);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    // A coarse timer of half a second lands on the same half-second marks as
    // the text cursor's flash, so both wake the program together.
    Timer1->setTimerType(Qt::CoarseTimer);
    Timer1->setInterval(kBlinkIntervalMs);
    Info->hide();

    imgG = new Panel(this, layout::imgG, QPalette().color(QPalette::Button));
    Image2 = new Image(imgG, layout::Image2);
    Shape11 = new Shape(imgG, layout::Shape11, std::nullopt);
    imgG->hide();
}

// Only the lists, the heading and the hidden text box take the keyboard
// focus; Tab runs day, month, year, the heading, the cycle or the embryo's
// age, then the text box. Screen readers name the lists and the button, and
// the text box says what each press produced.
void Form1::setUpKeyboard()
{
    for (QWidget *w : findChildren<QWidget *>()) {
        if (!qobject_cast<QComboBox *>(w) && w != Text1 && !qobject_cast<QComboBox *>(w->parentWidget()))
            w->setFocusPolicy(Qt::NoFocus);
    }
    Label4->setFocusPolicy(Qt::TabFocus);
    setTabOrder(Giorn, Mes);
    setTabOrder(Mes, Ann);
    setTabOrder(Ann, Label4);
    setTabOrder(Label4, Ciclo);
    setTabOrder(Ciclo, Embrione);
    setTabOrder(Embrione, Text1);

    Giorn->setAccessibleName(QStringLiteral("Giorno"));
    Mes->setAccessibleName(QStringLiteral("Mese"));
    Ann->setAccessibleName(QStringLiteral("Anno"));
    Ciclo->setAccessibleName(QStringLiteral("Lunghezza media del ciclo"));
    Embrione->setAccessibleName(QStringLiteral("Giorni dell'embrione"));
    OK->setAccessibleName(QStringLiteral("Conferma"));
    Text1->setAccessibleName(startPrompt());
}

void Form1::connectEvents()
{
    connect(OK, &Label::clicked, this, &Form1::OK_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Mes, &QComboBox::activated, this, &Form1::Mes_Click);
    connect(Label4, &Label::clicked, this, &Form1::Label4_Click);
    connect(Modo, &QMenu::triggered, this, &Form1::Modo_Click);
    connect(Giorn, &List::gotFocus, this, &Form1::Giorn_GotFocus);
    connect(Mes, &List::gotFocus, this, &Form1::Mes_GotFocus);
    connect(Ann, &List::gotFocus, this, &Form1::Ann_GotFocus);
    for (List *list : {Giorn, Mes, Ann, Ciclo, Embrione})
        connect(list, &List::enterPressed, this, &Form1::OK_Click);

    connect(Frame1, &Panel::mouseMoved, this, &Form1::Frame1_MouseMove);
    connect(Label4, &Label::mouseMoved, this, &Form1::Label4_MouseMove);
    connect(OK, &Label::mouseMoved, this, &Form1::OK_MouseMove);
    connect(Image1, &Image::mouseMoved, this, &Form1::Image1_MouseMove);
    connect(note, &Label::mouseMoved, this, &Form1::note_MouseMove);
    connect(Perce, &Label::mouseMoved, this, &Form1::Perce_MouseMove);

    connect(Posiz, &Label::clicked, this, &Form1::Posiz_Click);
    connect(TESTO, &Label::clicked, this, &Form1::TESTO_Click);
    connect(Image3, &Image::clicked, this, &Form1::Image3_Click);
    connect(Posiz, &Label::mouseMoved, this, &Form1::Posiz_MouseMove);
    connect(TESTO, &Label::mouseMoved, this, &Form1::TESTO_MouseMove);
    connect(Image3, &Image::mouseMoved, this, &Form1::Image3_MouseMove);

    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    Timer1->start();
}

void Form1::setHeightTwips(int twips)
{
    setFixedHeight(px(twips - kFrameHeight));
}

void Form1::recentre(int heightTwips)
{
    const float screenTwips = static_cast<float>(screen()->geometry().height() * kTwipsPerPixel);
    const float top = (screenTwips - static_cast<float>(heightTwips)) / 2.0f;
    move(pos().x(), screen()->geometry().y() + px(top));
}

void Form1::Form_Load()
{
    // Above all other windows for the window's whole life: Qt's
    // WindowStaysOnTopHint, given at construction, and where the window
    // system has its own call for it, that call.
    keepAboveOthers(this);
    statoper->setPicture(QStringLiteral("LINEA"));
    mascheraS->move(0, mascheraS->y()); // the bar starts empty

    Ciclo->clear();
    Ciclo->addItems(cycleItems());
    Ciclo->setEditText(QStringLiteral("28"));

    setHeightTwips(kHeightStrip);
    setFixedWidth(px(kWindowWidth - kFrameWidth));

    Mes->addItems(monthItems());
    fillDateLists(modeLists(Mode::LastPeriod, m_clock.today()));
}

void Form1::Giorn_GotFocus()
{
    setHeightTwips(kHeightStrip);
}

void Form1::Mes_GotFocus()
{
    setHeightTwips(kHeightStrip);
}

void Form1::Ann_GotFocus()
{
    setHeightTwips(kHeightStrip);
}

void Form1::Frame1_MouseMove()
{
    setHeightTwips(kHeightStripHover);
    recentre(kHeightStripHover);
}

void Form1::Label4_MouseMove()
{
    setHeightTwips(kHeightStripHover);
    recentre(kHeightStripHover);
}

void Form1::mouseMoveEvent(QMouseEvent *)
{
    Form_MouseMove();
}

} // namespace velluna
