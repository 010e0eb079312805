// The settings window stores the own address and the sender name as typed or
// not at all: letters taal.ini cannot hold are named, a text beyond the
// length of an INI value is refused, nothing changed goes out as Reply-To.

#include <QtTest>
#include <memory>

#include "platform/Events.h"
#include "platform/Profile.h"
#include "settings/frmVeldom06.h"
#include "shared/BasVeldom.h"
#include "support/MailTxtFixture.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace platform;

class TestFrmVeldom06Codepagina : public QObject {
    Q_OBJECT
    testsupport::VensterThuis home;

    frmVeldom06Form& Open() {
        AanroepScherm = 1;
        frmVeldom06Form& f = frmVeldom06();
        f.Show();
        DoEvents();
        return f;
    }
    QString Ini(const QString& sleutel) { return ReadProfileString(IniBestand, "Standaard", sleutel); }

private slots:
    void init() {
        home.Begin({.instellingen = true});
        EigenEmailAdres.clear();
    }
    void cleanup() {
        home.Einde();
    }

    void anAddressTheFileCannotHoldIsNamedNotChanged() {
        testsupport::PromptScript prompts;
        frmVeldom06Form& f = Open();
        f.txtEMailAdres.userEdited(QString::fromUtf8("łukasz@wałęsa.pl"));
        f.txtNaam.userEdited("Lukasz");
        prompts.answer(vbOK);
        f.cmdOK.Click();
        DoEvents();
        QVERIFY(frmVeldom06_IsLoaded());
        QVERIFY2(prompts.last().text.contains(QString::fromUtf8("bewaard: ł ę")), qPrintable(prompts.last().text));
        QCOMPARE(Ini("eigen e-mail adres"), QString());
        QCOMPARE(EigenEmailAdres, QString());
        // The sender name alike, and one longer than an INI value holds.
        f.txtEMailAdres.userEdited("lukasz@walesa.pl");
        f.txtNaam.userEdited(QString::fromUtf8("Łukasz"));
        prompts.answer(vbOK);
        f.cmdOK.Click();
        QVERIFY(prompts.last().text.contains(QString::fromUtf8("Ł")));
        f.txtNaam.userEdited(QString(kProfileValueMax + 1, QLatin1Char('n')));
        prompts.answer(vbOK);
        f.cmdOK.Click();
        QVERIFY(prompts.last().text.contains("254"));
        QCOMPARE(Ini("Naam voor e-mail"), QString());
        f.txtNaam.userEdited("Lukasz");
        f.cmdOK.Click();
        DoEvents();
        QCOMPARE(Ini("eigen e-mail adres"), QString("lukasz@walesa.pl"));
        QCOMPARE(prompts.count(), 3);
    }
};

QTEST_MAIN(TestFrmVeldom06Codepagina)
#include "test_frmveldom06_codepagina.moc"
