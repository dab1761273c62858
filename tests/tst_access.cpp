// What a screen reader finds in the window: every result read as the text
// it shows with its tooltip as description, the lists and "Conferma" by
// their names, and Enter in a list or the reader's press acting as Conferma.
#include "formharness.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

using namespace velluna;
using namespace velluna::test;
using namespace Qt::StringLiterals;

namespace {

// The first node, as a reader walks the window, with this role and name.
QAccessibleInterface *find(Harness &h, const QString &name, QAccessible::Role role)
{
    QList<QAccessibleInterface *> nodes{QAccessible::queryAccessibleInterface(h.form.get())};
    for (qsizetype i = 0; i < nodes.size(); ++i) {
        if (nodes[i]->role() == role && nodes[i]->text(QAccessible::Name) == name)
            return nodes[i];
        for (int c = 0; c < nodes[i]->childCount(); ++c)
            if (QAccessibleInterface *child = nodes[i]->child(c))
                nodes.append(child);
    }
    return nullptr;
}

} // namespace

class TstAccess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::setActive(true); }
    void results_data()
    {
        QTest::addColumn<QDate>("lmp");
        QTest::addColumn<QStringList>("described");
        // Three weeks in, no week tooltip; thirty weeks in, the week's text.
        QTest::newRow("early") << QDate(2026, 11, 11) << QStringList{u"Perce"_s};
        QTest::newRow("late") << QDate(2026, 5, 10) << QStringList{u"Perce"_s, u"Settimana"_s};
    }
    void results();
    void listsAndConferma();
};

void TstAccess::results()
{
    QFETCH(QDate, lmp);
    QFETCH(QStringList, described);
    Harness h;
    h.calculate(lmp);
    for (const char *name : {"Label1", "Label2", "Label3", "T1b", "Settimana", "Perce", "Label7", "Posiz", "Consigli",
                             "Trimestre", "note"}) {
        auto *shown = h.form->findChild<Label *>(QLatin1StringView(name));
        QVERIFY2(shown && shown->isVisible() && !shown->text().isEmpty(), name);
        // The month phrase opens the month page, so it is a button.
        const auto role = shown == h.form->Posiz ? QAccessible::Button : QAccessible::StaticText;
        const QAccessibleInterface *node = find(h, QString(shown->caption()).replace(u'\r', u'\n'), role);
        QVERIFY2(node && node->object() == shown, name);
        QCOMPARE(node->text(QAccessible::Description), shown->toolTip());
        QCOMPARE(!shown->toolTip().isEmpty(), described.contains(QLatin1StringView(name)));
    }
}

// The lists and Conferma by their names; Enter in the year list confirms
// the date, and the reader's press on Conferma then confirms the cycle.
void TstAccess::listsAndConferma()
{
    Harness h;
    const QStringList names{u"Giorno"_s, u"Mese"_s, u"Anno"_s, u"Lunghezza media del ciclo"_s};
    const QList<List *> lists{h.form->Giorn, h.form->Mes, h.form->Ann, h.form->Ciclo};
    for (qsizetype i = 0; i < lists.size(); ++i) {
        const QAccessibleInterface *node = find(h, names[i], QAccessible::ComboBox);
        QVERIFY2(node && node->object() == lists[i], qPrintable(names[i]));
    }
    QAccessibleInterface *ok = find(h, u"Conferma"_s, QAccessible::Button);
    QVERIFY(ok && ok->object() == h.form->OK && ok->actionInterface());
    h.enterDate(u"05"_s, u"12"_s, u"2026"_s);
    QAccessibleInterface *cycle = find(h, u"Lunghezza media del ciclo"_s, QAccessible::ComboBox);
    QVERIFY(cycle->state().invisible);
    QTest::keyClick(h.form->Ann->lineEdit(), Qt::Key_Return);
    QVERIFY(!cycle->state().invisible);
    h.type(h.form->Ciclo, u"28"_s);
    ok->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(h.form->heightTwips(), 7950);
}

QTEST_MAIN(TstAccess)
#include "tst_access.moc"
