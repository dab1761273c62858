// SPDX-License-Identifier: GPL-3.0-or-later
// The second yardstick: bench/bare.cpp's window with one label of text, the
// caption over Velluna's day, month and year lists, in the face Velluna
// falls back on when MS Sans Serif is missing (Liberation Sans narrowed to
// stretch 88, 11 px, bold). It starts the font system and draws text, as
// any window with words in it must, and does nothing else.
#include "ui/layout.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                                | Qt::WindowStaysOnTopHint);
    window.setWindowTitle(QStringLiteral("Label      ----Zebo"));
    using namespace velluna::layout;
    window.setFixedSize(px(kWindowWidth - kFrameWidth), px(kHeightStrip - kFrameHeight));
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setStretch(88);
    font.setPixelSize(kFontSmall);
    font.setBold(true);
    QLabel label(QStringLiteral("Ultima Mestruazione"), &window);
    label.setGeometry(Label4.rect()); // 8,0 129x17
    label.setFont(font);
    label.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label.setWordWrap(true);
    window.show();
    return QApplication::exec();
}
