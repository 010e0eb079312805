#include "support/PrintTestSupport.h"

#include <QtTest>

#include "main/frmVeldom01.h"
#include "output/frmVeldom08.h"
#include "output/frmVeldom09.h"
#include "output/frmVeldom14.h"
#include "output/frmVeldom16.h"
#include "platform/Printer.h"
#include "shared/Ini.h"
#include "shared/Instellingen.h"
#include "shared/Tekst.h"
#include "support/MailTxtFixture.h"

namespace testsupport {

void PreparePrintSettings(const QString& layout) {
    LeesInstellingen();
    if (!layout.isNull())
        SchrijfIni("Printer", "Print Richting", layout, IniBestand);
    PdfBreedte = 0;
    Tien = true;
    TaalNummer = 10;
}

void FillMainWindowSet(const QStringList& set) {
    auto& lijst = frmVeldom01().lstSpellenSet1;
    lijst.Clear();
    for (const QString& item : set)
        lijst.AddItem(item);
}

void VerifyChainClosed() {
    QVERIFY(!frmVeldom08_IsLoaded());
    QVERIFY(!frmVeldom09_IsLoaded());
    QVERIFY(!frmVeldom14_IsLoaded());
    QVERIFY(!frmVeldom16_IsLoaded());
    QVERIFY(frmVeldom01().Enabled());
}

PrintRun::PrintRun(const QString& layout, int tussenruimte) {
    WriteWorkingMailTxt();
    PreparePrintSettings(layout);
    SchrijfIni("Printer", "Tussenruimte", QString::number(tussenruimte), IniBestand);
    platform::SetPrinterOverride(&printer);
}

PrintRun::~PrintRun() {
    platform::SetPrinterOverride(nullptr);
    TaalNummer = 10;
}

void PrintRun::Print(const QStringList& set, bool ok, int message) {
    prompts.answerPrint(ok);
    if (message)
        prompts.answer(message);
    Fill(set);
    frmVeldom08().Show();
}

QList<PaintedPicture> PrintRun::Pictures() const {
    const auto jobs = printer.EndedJobs();
    return jobs.size() == 1 ? jobs[0].Pictures() : QList<PaintedPicture>();
}

}  // namespace testsupport
