#include "support/PrintTestSupport.h"

#include <QtTest>

#include <QProcess>
#include <QRegularExpression>

#include "main/frmVeldom01.h"
#include "output/frmVeldom08.h"
#include "output/frmVeldom09.h"
#include "output/frmVeldom14.h"
#include "output/frmVeldom16.h"
#include "platform/Events.h"
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

namespace {

QString Output(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

int PdfPages(const QString& pdf) {
    static const QRegularExpression pages("Pages:\\s+(\\d+)");
    const QRegularExpressionMatch m = pages.match(Output("pdfinfo", {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString PdfText(const QString& pdf) { return Output("pdftotext", {"-layout", pdf, "-"}); }

QSizeF PdfPageSize(const QString& pdf) {
    static const QRegularExpression size("Page size:\\s+([\\d.]+) x ([\\d.]+) pts");
    const QRegularExpressionMatch m = size.match(Output("pdfinfo", {pdf}));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

QList<PdfWord> PdfWords(const QString& pdf) {
    QList<PdfWord> words;
    static const QRegularExpression re(
        R"re(<page |<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re");
    int page = 0;
    for (auto it = re.globalMatch(Output("pdftotext", {"-bbox", pdf, "-"})); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0).startsWith("<page")) {
            ++page;
            continue;
        }
        words << PdfWord{m.captured(5).replace("&amp;", "&"), m.captured(1).toDouble(),
                         m.captured(2).toDouble(), m.captured(3).toDouble(),
                         m.captured(4).toDouble(), page};
    }
    return words;
}

PdfRun::PdfRun(const QString& layout, int taal) {
    WriteWorkingMailTxt();
    PreparePrintSettings(layout);
    PdfPrinter = platform::PdfPrinterName();
    TaalNummer = taal;
}

PdfRun::~PdfRun() { TaalNummer = 10; }

QStringList PdfRun::Print(const QStringList& set, const QStringList& files,
                          std::function<void(platform::PrintDialogRequest&)> edit) {
    prompts.answerPrint(true, std::move(edit));
    QStringList paths;
    for (const QString& f : files) {
        paths << (f.isEmpty() ? QString() : File(f));
        prompts.answerFile(paths.last());
    }
    FillMainWindowSet(set);
    frmVeldom01().ShowOwned(frmVeldom08);  // as the print button opens it
    VerifyChainClosed();
    return paths;
}

PrintRun::PrintRun(const QString& layout, int tussenruimte) {
    WriteWorkingMailTxt();
    PreparePrintSettings(layout);
    SchrijfIni("Printer", "Tussenruimte", QString::number(tussenruimte), IniBestand);
    platform::SetPrinterOverride(&printer);
}

PrintRun::~PrintRun() {
    // The windows the run unloaded are deleted once idle: let that happen
    // now, so none is left over for the next run or lost at the end.
    platform::DoEvents();
    platform::SetPrinterOverride(nullptr);
    TaalNummer = 10;
}

void PrintRun::Print(const QStringList& set, bool ok, int message) {
    prompts.answerPrint(ok);
    if (message)
        prompts.answer(message);
    Fill(set);
    frmVeldom01().ShowOwned(frmVeldom08);  // as the print button opens it
}

QList<PaintedPicture> PrintRun::Pictures() const {
    const auto jobs = printer.EndedJobs();
    return jobs.size() == 1 ? jobs[0].Pictures() : QList<PaintedPicture>();
}

}  // namespace testsupport
