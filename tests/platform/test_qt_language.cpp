// Qt's own texts (standard buttons, the file dialog) follow the program's
// language, and a missing translation file stops nothing.
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include "platform/App.h"
#include "platform/Prompt.h"

using namespace platform;

namespace {

QString CancelText() {
    QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    return box.button(QDialogButtonBox::Cancel)->text();
}

// The label before the file name field of Qt's own file dialog.
QString FileNameLabel() {
    QFileDialog dialog(nullptr, "x");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    auto* label = dialog.findChild<QLabel*>("fileNameLabel");
    return label ? label->text() : QString("<none>");
}

}  // namespace

class TestQtLanguage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetupApplication(*qApp); }
    void cleanup() {
        SetQtTranslationsFolder(QString());
        SetPromptLanguage(false);
    }

    // Dutch from the start (the program's default), English after the
    // program switches to language 11, and back.
    void standardButtonsAndFileDialogFollowTheLanguage() {
        QCOMPARE(CancelText(), QString("Annuleren"));
        QCOMPARE(FileNameLabel().remove('&'), QString("Bestandsnaam:"));
        SetPromptLanguage(true);
        QCOMPARE(CancelText(), QString("Cancel"));
        QCOMPARE(FileNameLabel().remove('&'), QString("File name:"));
        SetPromptLanguage(false);
        QCOMPARE(CancelText(), QString("Annuleren"));
    }

    // The file dialog's list speaks the program's language: its headers,
    // a file's size, type and date; no column is too narrow for its texts;
    // and the dialog is wide enough for its title and its columns.
    void fileDialogListFollowsTheLanguage_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("koppen");
        QTest::addColumn<QString>("grootte");
        QTest::addColumn<QString>("soort");
        QTest::addColumn<QString>("patroon");
        QTest::newRow("Dutch") << false << QStringList{"Naam", "Grootte", "Type", "Datum gewijzigd"} << "1,46 KiB"
                               << "PDF-bestand" << "dd-MM-yyyy";
        QTest::newRow("English") << true << QStringList{"Name", "Size", "Type", "Date Modified"} << "1.46 KiB"
                                 << "PDF file" << "dd/MM/yyyy";
    }
    void fileDialogListFollowsTheLanguage() {
        QFETCH(bool, english);
        QFETCH(QStringList, koppen);
        QFETCH(QString, grootte);
        QFETCH(QString, soort);
        QFETCH(QString, patroon);
        SetPromptLanguage(english);
        QTemporaryDir map;
        QFile f(map.filePath("spellen.pdf"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(1500, 'x'));
        f.close();
        const QString datum = QFileInfo(f.fileName()).lastModified().toString(patroon);
        const QString titel = "Een titel die langer is dan de knoppen van een bestandsvenster samen";
        QStringList gezienKoppen, gezien;
        QStringList teSmal;
        int breedte = 0;
        QTimer kijk;
        kijk.setInterval(50);
        int pogingen = 0;
        bool rijGezien = false;
        QObject::connect(&kijk, &QTimer::timeout, [&] {
            auto* dialoog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialoog) return;
            auto* lijst = dialoog->findChild<QTreeView*>("treeView");
            const QAbstractItemModel* model = lijst ? lijst->model() : nullptr;
            const QModelIndex wortel = lijst ? lijst->rootIndex() : QModelIndex();
            // One look more once the row is there: the columns fit after it came.
            if (model && model->rowCount(wortel) > 0 && !rijGezien) {
                rijGezien = true;
                return;
            }
            if (rijGezien) {
                for (int c = 0; c < 4; ++c) {
                    gezienKoppen << model->headerData(c, Qt::Horizontal).toString();
                    gezien << model->index(0, c, wortel).data().toString();
                    // A text needs its width and the item's margins on both sides.
                    const int marge = 2 * (lijst->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, lijst) + 1);
                    const int nodig = std::max(QFontMetrics(lijst->font()).horizontalAdvance(gezien.last()) + marge,
                                               lijst->header()->sectionSizeHint(c));
                    if (c > 0 && lijst->columnWidth(c) < nodig) teSmal << gezienKoppen.last();
                }
            }
            if (rijGezien || ++pogingen > 100) {
                breedte = dialoog->width();
                dialoog->reject();
            }
        });
        kijk.start();
        QtPromptHandler echt;
        echt.GetOpenFileName(titel, map.path(), "PDF (*.pdf)");
        QCOMPARE(gezienKoppen, koppen);
        QCOMPARE(gezien.value(0), QString("spellen.pdf"));
        QCOMPARE(gezien.value(1), grootte);
        QCOMPARE(gezien.value(2), soort);
        QVERIFY2(gezien.value(3).startsWith(datum), qPrintable(gezien.value(3)));
        QVERIFY2(teSmal.isEmpty(), qPrintable(teSmal.join(", ")));
        QVERIFY(breedte >= 760);
        QVERIFY(breedte > QFontMetrics(QApplication::font()).horizontalAdvance(titel));
    }

    // Without translation files Qt keeps its English texts: no Dutch left
    // over, no failure beyond the false result.
    void missingTranslationFilesFallBackToQtsEnglish() {
        QVERIFY(SetQtLanguage(false));
        QTemporaryDir leeg;
        SetQtTranslationsFolder(leeg.path());
        QVERIFY(!SetQtLanguage(false));
        QCOMPARE(CancelText(), QString("Cancel"));
        SetPromptLanguage(true);  // the program's own switch goes on as well
        QCOMPARE(PromptButtonCaptions().cancel, QString("Cancel"));
        SetQtTranslationsFolder(QString());
        QVERIFY(SetQtLanguage(false));
        QCOMPARE(CancelText(), QString("Annuleren"));
    }
};

QTEST_MAIN(TestQtLanguage)
#include "test_qt_language.moc"
