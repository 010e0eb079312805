#pragma once
// The print dialog: printer, number of copies, orientation and paper size.
// It lists the built-in PDF printer beside the system's printers, which the
// system's own dialog cannot.

#include <QDialog>

#include "platform/Prompt.h"

class QComboBox;
class QRadioButton;
class QSpinBox;

namespace platform {

class PrintDialogWindow : public QDialog {
public:
    PrintDialogWindow(const PrintDialogRequest& request, QWidget* parent);
    // Copies the choices into the request.
    void TakeChoices(PrintDialogRequest& request) const;

    QComboBox* printers = nullptr;
    QSpinBox* copies = nullptr;
    QRadioButton* portrait = nullptr;
    QRadioButton* landscape = nullptr;
    QComboBox* paper = nullptr;
};

// Shows the dialog modal; true for OK, with the choices in `request`.
bool RunPrintDialog(PrintDialogRequest& request, QWidget* parent);

}  // namespace platform
