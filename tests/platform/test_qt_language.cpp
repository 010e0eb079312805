// Qt's own texts (standard buttons, the file dialog) follow the program's
// language, and a missing translation file stops nothing.
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
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
