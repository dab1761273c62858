// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible.h"

#include "controls.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QMenu>

namespace velluna {

namespace {

// A label reads as the text it shows, its tooltip as description. One that
// reacts to a click ("Conferma", the month phrase, the month page) is a
// button whose press is that click. The heading, whose click opens its menu
// of modes, is such a button that also shows the menu, is expanded while the
// menu is open and holds the menu as its child, where a reader finds it as it
// finds a list's drop-down: Qt's bridges know no button with a menu, and
// list no menu among the program's windows.
class LabelAccessible : public QAccessibleWidget
{
public:
    explicit LabelAccessible(Label *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QAccessible::Role role() const override
    {
        return label()->isClickable() ? QAccessible::Button : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->text(); // plain text: an "&" is shown, so it is read
        return QAccessibleWidget::text(t);
    }

    // The window shows and hides whole bands by its height: a label left
    // below the bottom edge, or covered by a panel, is not on the screen.
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (!s.invisible && label()->visibleRegion().isEmpty())
            s.offscreen = true;
        if (const QMenu *m = menu()) {
            s.expandable = true;
            s.expanded = m->isVisible();
            s.hasPopup = true;
        }
        return s;
    }

    int childCount() const override { return menu() ? 1 : 0; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 && menu() ? QAccessible::queryAccessibleInterface(menu()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && menu() && child->object() == menu() ? 0 : -1;
    }

    QStringList actionNames() const override
    {
        if (!label()->isClickable())
            return {};
        return menu() ? QStringList{showMenuAction(), pressAction()} : QStringList{pressAction()};
    }

    void doAction(const QString &action) override
    {
        if (actionNames().contains(action) && label()->isEnabled())
            emit label()->clicked();
    }

private:
    Label *label() const { return static_cast<Label *>(object()); }
    QMenu *menu() const { return label()->findChild<QMenu *>(QString(), Qt::FindDirectChildrenOnly); }
};

// An editable list is named by its accessible name ("Giorno", "Mese"...)
// and its value is the text in it. Qt's own combo box, on Linux, gives its
// text as the name too, leaving the lists unnamed for a reader.
class ListAccessible : public QAccessibleWidget
{
public:
    explicit ListAccessible(List *list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value || (t == QAccessible::Name && list()->accessibleName().isEmpty()))
            return list()->currentText();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = true;
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        return s;
    }

    // The drop-down list, then the line edit that holds the text.
    int childCount() const override { return 2; }
    QAccessibleInterface *child(int index) const override
    {
        QObject *children[] = {list()->view(), list()->lineEdit()};
        return index == 0 || index == 1 ? QAccessible::queryAccessibleInterface(children[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        if (child->object() == list()->view())
            return 0;
        return child->object() == list()->lineEdit() ? 1 : -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

private:
    List *list() const { return static_cast<List *>(object()); }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    auto *const widget = qobject_cast<QWidget *>(object);
    // The program's one window is a window to a reader, not a plain pane.
    if (className == QLatin1String("velluna::Form1"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    // Every press leaves the keyboard focus on the hidden text box: to a
    // reader it is the text of what the press produced, not an edit field.
    if (widget && widget->objectName() == QLatin1String("Text1"))
        return new QAccessibleWidget(widget, QAccessible::StaticText);
    if (className == QLatin1String(Image::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (className == QLatin1String(Label::staticMetaObject.className()))
        return new LabelAccessible(static_cast<Label *>(object));
    if (className == QLatin1String(List::staticMetaObject.className()))
        return new ListAccessible(static_cast<List *>(object));
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(factory), true);
    Q_UNUSED(installed);
}

} // namespace velluna
