// What a screen reader finds in the window: every result read as the text
// it shows with its tooltip as description, the lists by their names, and
// "Conferma" as a button that can be pressed.
#include "formharness.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

using namespace velluna;
using namespace velluna::test;
using namespace Qt::StringLiterals;

namespace {

// Every accessible node under the window, as a reader walks them.
QList<QAccessibleInterface *> tree(QAccessibleInterface *node)
{
    QList<QAccessibleInterface *> all{node};
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface *child = node->child(i))
            all += tree(child);
    }
    return all;
}

QAccessibleInterface *findByName(QWidget *window, const QString &name, QAccessible::Role role)
{
    for (QAccessibleInterface *node : tree(QAccessible::queryAccessibleInterface(window))) {
        if (node->role() == role && node->text(QAccessible::Name) == name)
            return node;
    }
    return nullptr;
}

} // namespace

class TstAccess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::setActive(true); }
    void window();
    void results_data();
    void results();
    void lists();
    void pressButtons();
    void enterInYearList();
};

void TstAccess::window()
{
    Harness h;
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(h.form.get());
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), u"Velluna    ----Zebo"_s);
}

void TstAccess::results_data()
{
    QTest::addColumn<QDate>("lmp");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("described");
    // Three weeks in, no week tooltip; thirty weeks in, the week's
    // description as tooltip. The percentage always has the countdown. The
    // month phrase opens the month page, so it is a button.
    const QDate early(2026, 11, 11), late(2026, 5, 10);
    for (const char *label : {"Label1", "Label2", "Label3", "T1b", "Settimana", "Perce", "Label7", "Posiz",
                              "Consigli", "Trimestre", "note"}) {
        const QString name = QString::fromLatin1(label);
        QTest::addRow("early %s", label) << early << name << (name == u"Perce");
        QTest::addRow("late %s", label) << late << name << (name == u"Perce" || name == u"Settimana");
    }
}

void TstAccess::results()
{
    QFETCH(QDate, lmp);
    QFETCH(QString, label);
    QFETCH(bool, described);
    Harness h;
    h.calculate(lmp);
    auto *shown = h.form->findChild<Label *>(label);
    QVERIFY(shown && shown->isVisible());
    QVERIFY(!shown->text().isEmpty());
    const auto role = label == u"Posiz" ? QAccessible::Button : QAccessible::StaticText;
    QAccessibleInterface *node = findByName(h.form.get(), shown->text(), role);
    QVERIFY2(node, qPrintable(u"no text node reads \"%1\""_s.arg(shown->text())));
    QCOMPARE(node->object(), shown);
    QVERIFY(!node->text(QAccessible::Name).contains(u'\r'));
    QCOMPARE(node->text(QAccessible::Name), QString(shown->caption()).replace(u'\r', u'\n'));
    QCOMPARE(node->text(QAccessible::Description), shown->toolTip());
    QCOMPARE(!shown->toolTip().isEmpty(), described);
    QVERIFY(!node->state().invisible);
    QVERIFY(!node->state().offscreen);

    // Collapsed to the input strip, the results are out of the window.
    h.click(h.form->Giorn->lineEdit());
    QCOMPARE(h.form->heightTwips(), 1065);
    QVERIFY(node->state().offscreen);
    QVERIFY(!findByName(h.form.get(), u"Conferma"_s, QAccessible::Button)->state().offscreen);
}

void TstAccess::lists()
{
    Harness h;
    const struct
    {
        List *list;
        QString name;
    } lists[] = {{h.form->Giorn, u"Giorno"_s},
                 {h.form->Mes, u"Mese"_s},
                 {h.form->Ann, u"Anno"_s},
                 {h.form->Ciclo, u"Lunghezza media del ciclo"_s}};
    for (const auto &l : lists) {
        QAccessibleInterface *node = findByName(h.form.get(), l.name, QAccessible::ComboBox);
        QVERIFY2(node, qPrintable(l.name));
        QCOMPARE(node->object(), l.list);
        QCOMPARE(node->text(QAccessible::Value), l.list->currentText());
    }
}

void TstAccess::pressButtons()
{
    Harness h;
    h.enterDate(u"05"_s, u"12"_s, u"2026"_s);
    QAccessibleInterface *ok = findByName(h.form.get(), u"Conferma"_s, QAccessible::Button);
    QVERIFY(ok);
    QCOMPARE(ok->object(), h.form->OK);
    QAccessibleActionInterface *action = ok->actionInterface();
    QVERIFY(action);
    QVERIFY(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
    action->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(h.form->Fase, 1);
    QVERIFY(h.form->mestra->isVisible());
    h.type(h.form->Ciclo, u"28"_s);
    action->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(h.form->heightTwips(), 7950);
    QVERIFY(findByName(h.form.get(), h.form->Label2->text(), QAccessible::StaticText));

    // The month phrase opens the month page, read paragraph by paragraph;
    // pressing the page closes it.
    const auto press = [](QAccessibleInterface *node) {
        QVERIFY(node);
        node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    press(findByName(h.form.get(), h.form->Posiz->text(), QAccessible::Button));
    QVERIFY(h.form->Info->isVisible());
    QVERIFY(h.form->TESTO->caption().contains(u'\r'));
    QAccessibleInterface *page = findByName(h.form.get(), QString(h.form->TESTO->caption()).replace(u'\r', u'\n'),
                                            QAccessible::Button);
    QVERIFY(page);
    press(page);
    QVERIFY(!h.form->Info->isVisible());
}

void TstAccess::enterInYearList()
{
    // Enter in the year list is a press: the cycle list appears to a reader.
    Harness h;
    h.enterDate(u"05"_s, u"12"_s, u"2026"_s);
    QAccessibleInterface *cycle = findByName(h.form.get(), u"Lunghezza media del ciclo"_s, QAccessible::ComboBox);
    QVERIFY(cycle);
    QVERIFY(cycle->state().invisible);
    QTest::keyClick(h.form->Ann->lineEdit(), Qt::Key_Return);
    QVERIFY(!cycle->state().invisible);
    QCOMPARE(h.form->Fase, 1);
}

QTEST_MAIN(TstAccess)
#include "tst_access.moc"
