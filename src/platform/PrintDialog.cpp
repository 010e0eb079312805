#include "platform/PrintDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/Printer.h"

namespace platform {

namespace {

// Twips to pixels at 96 dpi.
constexpr int Px(int twips) { return twips / 15; }

// "&" in a caption marks an access key in a label; a text from elsewhere
// must show its "&" as it is.
QString Plain(const QString& s) {
    QString out = s;
    return out.replace('&', QStringLiteral("&&"));
}

// Access keys for the captions of the dialog, in the order given, each on
// a letter no earlier caption took: the first letter of a word when one is
// free, else the first free letter; a caption with none free gets no key.
// Every other "&" shows as it is.
QStringList WithOwnAccessKeys(const QStringList& captions) {
    QString taken;
    QStringList out;
    for (const QString& caption : captions) {
        int at = -1;
        for (int pass = 0; pass < 2 && at < 0; ++pass)
            for (int i = 0; i < caption.size() && at < 0; ++i) {
                const QChar c = caption.at(i).toUpper();
                const bool wordStart = i == 0 || !caption.at(i - 1).isLetterOrNumber();
                if (c.isLetterOrNumber() && !taken.contains(c) && (pass == 1 || wordStart)) at = i;
            }
        QString keyed = Plain(caption);
        if (at >= 0) {
            taken += caption.at(at).toUpper();
            keyed = Plain(caption.left(at)) + QLatin1Char('&') + Plain(caption.mid(at));
        }
        out << keyed;
    }
    return out;
}

}  // namespace

PrintDialogWindow::PrintDialogWindow(const PrintDialogRequest& r, QWidget* parent)
    : QDialog(parent) {
    // Captions the caller left empty follow the language of the buttons.
    const bool english = PromptButtonCaptions().cancel == QLatin1String("Cancel");
    auto Or = [english](const QString& given, const char* dutch, const char* inEnglish) {
        return given.isEmpty() ? QString::fromUtf8(english ? inEnglish : dutch) : given;
    };
    enum { Printer, Copies, Orientation, Portrait, Landscape, Paper, Ok, Cancel };
    const QStringList caption = WithOwnAccessKeys(
        {Or(r.captionPrinter, "Printer", "Printer"), Or(r.captionCopies, "Aantal exemplaren", "Copies"),
         Or(r.captionOrientation, "Afdrukstand", "Orientation"), Or(r.captionPortrait, "Staand", "Portrait"),
         Or(r.captionLandscape, "Liggend", "Landscape"), Or(r.captionPaper, "Papierformaat", "Paper size"),
         Or(r.captionOk, "OK", "OK"), Or(r.captionCancel, "Annuleren", "Cancel")});
    setWindowTitle(r.title);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(false);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(Px(180), Px(180), Px(180), Px(180));
    outer->setSpacing(Px(120));

    auto* printerBox = new QGroupBox(caption[Printer], this);
    auto* printerLayout = new QGridLayout(printerBox);
    printers = new QComboBox(printerBox);
    // A long device name is shown shortened in the box and whole in the
    // list and in the tool tip.
    printers->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    printers->setMinimumContentsLength(32);
    for (int i = 0; i < r.printers.size(); ++i) {
        printers->addItem(r.printers.at(i));
        printers->setItemData(i, r.printers.at(i), Qt::ToolTipRole);
    }
    printers->setCurrentIndex(std::max<qsizetype>(0, r.printers.indexOf(r.printer)));
    printers->setToolTip(printers->currentText());
    connect(printers, &QComboBox::currentTextChanged, printers, &QComboBox::setToolTip);
    printerLayout->addWidget(printers, 0, 0, 1, 2);

    auto* copiesLabel = new QLabel(caption[Copies] + ':', printerBox);
    copies = new QSpinBox(printerBox);
    copies->setRange(1, 999);
    copies->setValue(std::clamp(r.copies, 1, 999));
    copies->setMinimumWidth(Px(1000));
    copiesLabel->setBuddy(copies);
    // Copies are offered only for a printer that prints them; any other
    // prints one.
    auto offerCopies = [this, copiesLabel](const QString& printer) {
        const bool can = PrinterSupportsCopies(printer);
        copies->setEnabled(can);
        copiesLabel->setEnabled(can);
        if (!can)
            copies->setValue(1);
    };
    offerCopies(printers->currentText());
    connect(printers, &QComboBox::currentTextChanged, this, offerCopies);
    printerLayout->addWidget(copiesLabel, 1, 0);
    printerLayout->addWidget(copies, 1, 1, Qt::AlignLeft);
    printerLayout->setColumnStretch(1, 1);
    outer->addWidget(printerBox);

    auto* row = new QHBoxLayout;
    row->setSpacing(Px(120));
    auto* orientationBox = new QGroupBox(caption[Orientation], this);
    auto* orientationLayout = new QVBoxLayout(orientationBox);
    portrait = new QRadioButton(caption[Portrait], orientationBox);
    landscape = new QRadioButton(caption[Landscape], orientationBox);
    (r.landscape ? landscape : portrait)->setChecked(true);
    orientationLayout->addWidget(portrait);
    orientationLayout->addWidget(landscape);
    row->addWidget(orientationBox, 1);

    auto* paperBox = new QGroupBox(caption[Paper], this);
    auto* paperLayout = new QVBoxLayout(paperBox);
    paper = new QComboBox(paperBox);
    paper->addItems(r.paperSizes);
    paper->setCurrentIndex(std::max<qsizetype>(0, r.paperSizes.indexOf(r.paperSize)));
    paper->setEnabled(!r.paperSizes.isEmpty());
    paperLayout->addWidget(paper);
    paperLayout->addStretch(1);
    row->addWidget(paperBox, 1);
    outer->addLayout(row);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(caption[Ok], QDialogButtonBox::AcceptRole);
    QPushButton* cancel =
        buttons->addButton(caption[Cancel], QDialogButtonBox::RejectRole);
    for (QPushButton* b : {ok, cancel})
        b->setMinimumWidth(Px(1215));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    outer->addWidget(buttons);

    setMinimumWidth(Px(5400));
    setFixedHeight(sizeHint().height());
}

void PrintDialogWindow::TakeChoices(PrintDialogRequest& r) const {
    if (printers->currentIndex() >= 0)
        r.printer = printers->currentText();
    r.copies = copies->isEnabled() ? copies->value() : 1;
    r.landscape = landscape->isChecked();
    if (!r.paperSizes.isEmpty())
        r.paperSize = paper->currentText();
}

bool RunPrintDialog(PrintDialogRequest& request, QWidget* parent) {
    PrintDialogWindow dialog(request, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.TakeChoices(request);
    return true;
}

}  // namespace platform
