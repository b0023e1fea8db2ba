#include "support/TestEnvironment.h"
#include "utilities/HelpWindow.h"

#include <QListWidget>
#include <QtTest>

class TestHelpWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void twentyNineLinesAfterThirtySpaces() {
        const QStringList lines = helpLines();
        QCOMPARE(lines.size(), 29);
        const QString indent(30, u' ');
        for (int i : {0, 1, 3, 9, 23, 26})
            QCOMPARE(lines[i], QString());
        QCOMPARE(lines[2], indent + "COMMENT UTILISER CE LOGICIEL?");
        QCOMPARE(lines[7], indent +
                               "   CETTE Procedure DOIT SE FAIRE AU DEBUT DE CHAQUE CONSULTATION (SURTOUT POUR LES "
                               "NOUVEAUX PATIENTS)");
        QCOMPARE(lines[8], indent + "  (VOIR MENU TABLES>Cliquez sur le lien TABLE DES PATIENTS)");
        QCOMPARE(lines[16], indent + " . LETTRE DE RECOMMANDATION "); // its final space kept
        QCOMPARE(lines[28], indent + "   IL EST RECOMMANDE DE FAIRE UNE SAUVEGARDE A LA FIN DE LA JOURNEE.");
        int nonEmpty = 0;
        for (const QString &line : lines)
            if (!line.isEmpty()) {
                QVERIFY(line.startsWith(indent));
                ++nonEmpty;
            }
        QCOMPARE(nonEmpty, 23);
    }

    void theWindowShowsThemAndOnlyTheCloseBoxClosesIt() {
        HelpWindow window;
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Logiciel de gestion médicale - Aide "));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(182, 218, 239));
        const QListWidget *list = window.lines();
        QCOMPARE(list->geometry(), QRect(10, 20, 1000, 690));
        QCOMPARE(list->font().family(), QStringLiteral("Calibri"));
        QCOMPARE(list->font().pointSize(), 11);
        QCOMPARE(list->palette().color(QPalette::Text), QColor(0, 0, 205));
        QCOMPARE(list->count(), 29);
        QCOMPARE(list->item(2)->text(), helpLines()[2]);
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_F4})
            QTest::keyClick(&window, key);
        QVERIFY(window.isVisible());
        QVERIFY(!window.isClosing());
        window.close();
        QVERIFY(window.isClosing());
    }

private:
    std::unique_ptr<TestEnvironment> m_env;
};

QTEST_MAIN(TestHelpWindow)
#include "TestHelpWindow.moc"
