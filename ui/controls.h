// SPDX-License-Identifier: GPL-3.0-or-later
// The kinds of control the window is made of, each on the matching Qt
// widget. Every control that takes the pointer keeps its movements to
// itself: nothing it does not handle reaches its container.
#pragma once

#include "layout.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMetaMethod>

namespace velluna {

QFont windowFont(int pixelSize = layout::kFontSmall, bool bold = false);

// A click is a left press and a release over the same control. The second
// press of a double-click is no click when the first one landed on the same
// control; where the first press changed what lies under the pointer, the
// second is an ordinary press of the control it finds.
class ClickTracker
{
public:
    void press(const QMouseEvent *event, const QWidget *w);
    void doubleClick(const QMouseEvent *event, const QWidget *w);
    bool release(const QMouseEvent *event, const QWidget *w); // true for a click

private:
    bool m_pressed = false;
};

// A text label. Its caption may join paragraphs with carriage returns; the
// caption keeps them and the label shows each as a line break. One that
// takes the keyboard focus shows it underlined, and Space or Enter on it is
// a click.
//
// Tooltips are set as plain paragraphs, which Qt would show on one line as
// wide as the screen. Labels and images show theirs in lines of a
// comfortable reading width, in the tooltip font, while toolTip() keeps the
// text as set: a screen reader hears it unchanged.
class Label : public QLabel
{
    Q_OBJECT

public:
    Label(QWidget *parent, const layout::Geometry &g, const QString &caption, const QFont &font,
          Qt::Alignment alignment = Qt::AlignHCenter | Qt::AlignTop);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor &color);
    void setBackColor(const QColor &color); // makes the label opaque
    bool underline() const { return font().underline(); }
    void setUnderline(bool on);
    // Whether a click does anything: screen readers then offer a press.
    bool isClickable() const { return isSignalConnected(QMetaMethod::fromSignal(&Label::clicked)); }

signals:
    void clicked();
    void mouseMoved();

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_caption;
    QColor m_foreColor;
    ClickTracker m_click;
};

// A rectangle with a one-pixel outline, filled or not. Shapes never take
// the pointer: it passes to whatever lies behind them.
class Shape : public QWidget
{
    Q_OBJECT

public:
    Shape(QWidget *parent, const layout::Geometry &g, std::optional<unsigned> fillBgr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<QColor> m_fill;
};

// A picture stretched to the control's rectangle. The picture is named by
// its bitmap resource ("LINEA", "5", "105") and decoded only when it is first
// drawn, so one that lies outside the window costs nothing. A screen reader
// reads it by its description.
class Image : public QWidget
{
    Q_OBJECT

public:
    Image(QWidget *parent, const layout::Geometry &g);
    bool hasPicture() const { return !m_picture.isEmpty(); }
    QString picture() const { return m_picture; }
    void setPicture(const QString &resource, const QString &description = {});

signals:
    void clicked();
    void mouseMoved();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QString m_picture;
    ClickTracker m_click;
};

// A borderless panel that holds other controls.
class Panel : public QFrame
{
    Q_OBJECT

public:
    Panel(QWidget *parent, const layout::Geometry &g, const QColor &background);

signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
};

// An editable drop-down list. Typed text is never added as an item, nothing
// is completed behind the user's back, and Enter asks for confirmation.
class List : public QComboBox
{
    Q_OBJECT

public:
    List(QWidget *parent, const layout::Geometry &g);
    void selectItem(int index); // shows the item's text, as a pick does

signals:
    void gotFocus();
    void enterPressed();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace velluna
