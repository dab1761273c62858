// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"

#include "resources.h"
#include "windowfont.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace velluna {

namespace {

// Controls that take the pointer keep it, whether they handle it or not.
void takePointer(QWidget *w)
{
    w->setAttribute(Qt::WA_NoMousePropagation);
    w->setMouseTracking(true);
}

// A tooltip is at most about sixty characters of its font wide, as
// desktops' own tooltips are; four of them are left to its frame and
// margins. The line breaks take the place of spaces, so the words and their
// order stay as set.
constexpr int kToolTipChars = 60;

QString readableLines(const QString &text, const QFont &font)
{
    const QFontMetricsF metrics(font);
    const qreal width = (kToolTipChars - 4) * metrics.averageCharWidth();
    QString lines, line;
    for (const QString &word : text.split(u' ')) {
        if (!line.isEmpty() && metrics.horizontalAdvance(line + u' ' + word) > width) {
            lines += line + u'\n';
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return lines + line;
}

bool showReadableToolTip(QWidget *w, QEvent *event)
{
    if (event->type() != QEvent::ToolTip || w->toolTip().isEmpty())
        return false;
    const QPoint at = static_cast<const QHelpEvent *>(event)->globalPos();
    QToolTip::showText(at, readableLines(w->toolTip(), QToolTip::font()), w, {}, w->toolTipDuration());
    return true;
}

} // namespace

namespace {
// The control that took the last press, whichever it was; only compared.
const QWidget *lastPressed = nullptr;
} // namespace

void ClickTracker::press(const QMouseEvent *event, const QWidget *w)
{
    m_pressed = event->button() == Qt::LeftButton;
    lastPressed = w;
}

void ClickTracker::doubleClick(const QMouseEvent *event, const QWidget *w)
{
    if (lastPressed == w)
        m_pressed = false;
    else
        press(event, w);
}

bool ClickTracker::release(const QMouseEvent *event, const QWidget *w)
{
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && w->rect().contains(event->position().toPoint());
    m_pressed = false;
    return click;
}

QFont windowFont(int pixelSize, bool bold)
{
    const WindowFace &face = windowFace();
    QFont font;
    font.setFamilies(face.families);
    font.setStyleHint(QFont::SansSerif);
    if (face.narrowed)
        font.setStretch(88);
    font.setHintingPreference(face.hinting);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

Label::Label(QWidget *parent, const layout::Geometry &g, const QString &caption, const QFont &font,
             Qt::Alignment alignment)
    : QLabel(parent)
{
    setObjectName(QLatin1String(g.name));
    setGeometry(g.rect());
    setFont(font);
    setAlignment(alignment);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setForeColor(palette().color(QPalette::ButtonText));
    takePointer(this);
    setCaption(caption);
}

void Label::setCaption(const QString &caption)
{
    m_caption = caption;
    QString shown = caption;
    shown.replace(u'\r', u'\n');
    setText(shown);
}

void Label::setForeColor(const QColor &color)
{
    if (color == m_foreColor)
        return;
    m_foreColor = color;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void Label::setBackColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    setAutoFillBackground(true);
}

void Label::setUnderline(bool on)
{
    if (on == underline())
        return;
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
}

bool Label::event(QEvent *event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        setUnderline(event->type() == QEvent::FocusIn);
    return showReadableToolTip(this, event) || QLabel::event(event);
}

void Label::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (isClickable() && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter))
        emit clicked();
    else
        QLabel::keyPressEvent(event);
}

void Label::mousePressEvent(QMouseEvent *event)
{
    m_click.press(event, this);
}

void Label::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_click.doubleClick(event, this);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_click.release(event, this))
        emit clicked();
}

void Label::mouseMoveEvent(QMouseEvent *)
{
    emit mouseMoved();
}

Shape::Shape(QWidget *parent, const layout::Geometry &g, std::optional<unsigned> fillBgr)
    : QWidget(parent)
{
    setObjectName(QLatin1String(g.name));
    setGeometry(g.rect());
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (fillBgr) {
        m_fill = layout::bgr(*fillBgr);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_fill)
        p.fillRect(rect(), *m_fill);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

Image::Image(QWidget *parent, const layout::Geometry &g)
    : QWidget(parent)
{
    setObjectName(QLatin1String(g.name));
    setGeometry(g.rect());
    takePointer(this);
}

void Image::setPicture(const QString &resource, const QString &description)
{
    m_picture = resource;
    setAccessibleName(description);
    update();
}

bool Image::event(QEvent *event)
{
    return showReadableToolTip(this, event) || QWidget::event(event);
}

void Image::paintEvent(QPaintEvent *)
{
    if (m_picture.isEmpty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), res::bitmap(m_picture));
}

void Image::mousePressEvent(QMouseEvent *event)
{
    m_click.press(event, this);
}

void Image::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_click.doubleClick(event, this);
}

void Image::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_click.release(event, this))
        emit clicked();
}

void Image::mouseMoveEvent(QMouseEvent *)
{
    emit mouseMoved();
}

Panel::Panel(QWidget *parent, const layout::Geometry &g, const QColor &background)
    : QFrame(parent)
{
    setObjectName(QLatin1String(g.name));
    setGeometry(g.rect());
    setFrameShape(QFrame::NoFrame);
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    setPalette(p);
    setAutoFillBackground(true);
    takePointer(this);
}

void Panel::mouseMoveEvent(QMouseEvent *)
{
    emit mouseMoved();
}

List::List(QWidget *parent, const layout::Geometry &g)
    : QComboBox(parent)
{
    setObjectName(QLatin1String(g.name));
    setGeometry(g.rect());
    // Editable through a line edit of its own that comes with an empty
    // completer, so the combo box builds no completer over its items and no
    // drop-down list before one is asked for; then no completer at all, so
    // nothing is completed behind the user's back.
    auto *edit = new QLineEdit(this);
    edit->setPalette(palette());
    edit->setCompleter(new QCompleter(edit));
    setLineEdit(edit);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    // Typing is not picking: the combo box would otherwise treat a typed
    // text that matches an item as a pick when editing ends.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    setMaxVisibleItems(12);
    takePointer(this);
    takePointer(lineEdit());
    lineEdit()->installEventFilter(this);
}

void List::selectItem(int index)
{
    setCurrentIndex(index);
    setEditText(itemText(index));
}

void List::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    emit gotFocus();
}

namespace {
bool isEnter(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
} // namespace

// The keyboard's keys come to the list, which has the focus and hands
// them on to its line edit past the filter below.
void List::keyPressEvent(QKeyEvent *event)
{
    if (isEnter(event) && !view()->isVisible())
        emit enterPressed();
    else
        QComboBox::keyPressEvent(event);
}

bool List::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit() && isEnter(event) && !view()->isVisible()) {
        emit enterPressed();
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

} // namespace velluna
