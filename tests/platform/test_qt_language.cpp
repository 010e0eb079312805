// Qt's own texts (standard buttons, the file dialog) follow the program's
// language, and a missing translation file stops nothing.
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
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

    // The file dialog's dates are written in the program's language, and
    // the dialog is wide enough for its title and its columns.
    void fileDialogDatesFollowTheLanguage_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("patroon");
        QTest::newRow("Dutch") << false << "dd-MM-yyyy";
        QTest::newRow("English") << true << "dd/MM/yyyy";
    }
    void fileDialogDatesFollowTheLanguage() {
        QFETCH(bool, english);
        QFETCH(QString, patroon);
        SetPromptLanguage(english);
        QTemporaryDir map;
        QFile f(map.filePath("spellen.pdf"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
        f.close();
        const QString datum = QFileInfo(f.fileName()).lastModified().toString(patroon);
        const QString titel = "Een titel die langer is dan de knoppen van een bestandsvenster samen";
        QString gezien;
        int breedte = 0;
        QTimer kijk;
        kijk.setInterval(50);
        int pogingen = 0;
        QObject::connect(&kijk, &QTimer::timeout, [&] {
            auto* dialoog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialoog) return;
            auto* lijst = dialoog->findChild<QTreeView*>("treeView");
            const QAbstractItemModel* model = lijst ? lijst->model() : nullptr;
            const QModelIndex wortel = lijst ? lijst->rootIndex() : QModelIndex();
            if (model && model->rowCount(wortel) > 0) gezien = model->index(0, 3, wortel).data().toString();
            if (!gezien.isEmpty() || ++pogingen > 100) {
                breedte = dialoog->width();
                dialoog->reject();
            }
        });
        kijk.start();
        QtPromptHandler echt;
        echt.GetOpenFileName(titel, map.path(), "PDF (*.pdf)");
        QVERIFY2(gezien.startsWith(datum), qPrintable(gezien));
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
