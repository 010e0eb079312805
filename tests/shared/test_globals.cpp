#include <QtTest>

#include "shared/BasVeldom.h"
#include "support/TestSupport.h"

class TestGlobals : public QObject {
    Q_OBJECT
private slots:
    void startsWithNothingOpen() {
        QCOMPARE(AanroepScherm, 0);
        QVERIFY(!BezigMetLaden);
        QVERIFY(GekozenDatum.isEmpty());
    }
    void tempHomeSetsProgramFolder() {
        QString path;
        {
            testsupport::TempHome home;
            path = home.path();
            QCOMPARE(qEnvironmentVariable("DROVIK_HOME"), path);
        }
        QVERIFY(qEnvironmentVariable("DROVIK_HOME") != path);
    }
};

QTEST_GUILESS_MAIN(TestGlobals)
#include "test_globals.moc"
