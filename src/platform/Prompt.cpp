#include "platform/Prompt.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIdentityProxyModel>
#include <QListView>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpacerItem>
#include <QSpinBox>
#include <QSplitter>
#include <QStyle>
#include <QTimer>
#include <QTreeView>
#include <algorithm>

#include "platform/App.h"
#include "platform/Form.h"
#include "platform/PrintDialog.h"
#include "platform/PromptKeys.h"

namespace platform {

namespace {
PromptHandler* g_handler = nullptr;

PromptCaptions dutchCaptions() { return {"&Ja", "&Nee", "OK", "Annuleren", "&Afbreken", "&Opnieuw", "&Negeren"}; }
PromptCaptions englishCaptions() { return {"&Yes", "&No", "OK", "Cancel", "&Abort", "&Retry", "&Ignore"}; }
PromptCaptions g_captions = dutchCaptions();
bool g_english = false;

// Keys held down when a prompt opens or closes were pressed for the prompt
// or before it: their releases are no keys of the window behind it. Keys
// typed before the prompt appeared are no answers to it: they wait for the
// window behind it.
struct KeysAroundPrompt {
    KeysAroundPrompt() { ForgetKeysDown(); }
    ~KeysAroundPrompt() { ForgetKeysDown(); }
    PromptKeyGuard typedAhead;
};

QString titleOr(const QString& title) { return title.isEmpty() ? ProgramTitle() : title; }

QWidget* dialogParent() {
    Form* f = OpeningForm();
    return f ? f->widget() : nullptr;
}

QLocale programLocale() {
    return g_english ? QLocale(QLocale::English, QLocale::UnitedKingdom) : QLocale(QLocale::Dutch, QLocale::Netherlands);
}

// The file dialog's columns in the program's language, whatever the
// system's: Qt writes sizes and dates with the system's locale and names
// types in the system's language (or not at all: Qt's Dutch has no word
// for its type column). Sizes and dates here follow the program's locale;
// the type is "folder" or the extension's file ("PDF-bestand").
class ColumnsInLanguage : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override {
        auto* files = qobject_cast<QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !files || index.column() < 1 || index.column() > 3)
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        if (index.column() == 3) return programLocale().toString(files->lastModified(source), QLocale::ShortFormat);
        const QFileInfo info = files->fileInfo(source);
        if (index.column() == 1)
            return info.isFile() ? programLocale().formattedDataSize(info.size()) : QString();
        if (info.isDir()) return g_english ? QStringLiteral("Folder") : QStringLiteral("Map");
        const QString extension = info.suffix().toUpper();
        if (extension.isEmpty()) return g_english ? QStringLiteral("File") : QStringLiteral("Bestand");
        return g_english ? extension + QStringLiteral(" file") : extension + QStringLiteral("-bestand");
    }
};

// Qt gives the list's columns fixed widths made for its own English
// texts; the program's are often longer (a four-digit year, a Dutch
// size). Each column but the name takes the width of its header and its
// texts whenever the folder's entries arrive or change. Once the dialog is
// up, the places on the left are made as wide as their names.
void fitFileDialogColumns(QFileDialog& dlg) {
    auto* view = dlg.findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* places = dlg.findChild<QListView*>(QStringLiteral("sidebar"));
    auto* splitter = dlg.findChild<QSplitter*>(QStringLiteral("splitter"));
    QAbstractItemModel* model = view ? view->model() : nullptr;
    if (!model) return;
    auto* fit = new QTimer(&dlg);
    fit->setSingleShot(true);
    fit->setInterval(0);
    QObject::connect(fit, &QTimer::timeout, view, [view, places, splitter, placesDone = false]() mutable {
        for (int c = 1; c < view->model()->columnCount(view->rootIndex()); ++c) view->resizeColumnToContents(c);
        if (placesDone || !places || !splitter || splitter->count() != 2 || !splitter->isVisible()) return;
        placesDone = true;
        const QList<int> sizes = splitter->sizes();
        const int wide = places->sizeHintForColumn(0) + 2 * places->frameWidth() +
                         places->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        const int total = sizes.value(0) + sizes.value(1);
        if (wide > sizes.value(0) && wide < total / 3) splitter->setSizes({wide, total - wide});
    });
    const auto later = [fit] { fit->start(); };
    QObject::connect(model, &QAbstractItemModel::rowsInserted, fit, later);
    QObject::connect(model, &QAbstractItemModel::dataChanged, fit, later);
    QObject::connect(model, &QAbstractItemModel::layoutChanged, fit, later);
    QObject::connect(model, &QAbstractItemModel::modelReset, fit, later);
    fit->start();
}

// The file dialogs: the program's language throughout, wide enough for
// their title and all four columns.
void prepareFileDialog(QFileDialog& dlg) {
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setLabelText(QFileDialog::Accept, g_captions.ok);
    dlg.setLabelText(QFileDialog::Reject, g_captions.cancel);
    dlg.setProxyModel(new ColumnsInLanguage(&dlg));
    dlg.resize(std::max({dlg.sizeHint().width(), 760, TitleBarWidth(dlg.windowTitle())}),
               std::max(dlg.sizeHint().height(), 440));
    fitFileDialogColumns(dlg);
}
}  // namespace

PromptHandler* SetPromptHandler(PromptHandler* handler) {
    PromptHandler* previous = g_handler;
    g_handler = handler;
    return previous;
}

PromptHandler& CurrentPromptHandler() {
    static QtPromptHandler real;
    return g_handler ? *g_handler : real;
}

void SetPromptLanguage(bool english) {
    g_captions = english ? englishCaptions() : dutchCaptions();
    g_english = english;
    SetQtLanguage(english);  // Qt's own dialog texts follow
}
const PromptCaptions& PromptButtonCaptions() { return g_captions; }

int MsgBox(const QString& prompt, int style, const QString& title) {
    EventScope scope;
    KeysAroundPrompt keys;
    return CurrentPromptHandler().MsgBox(prompt, style, titleOr(title));
}

QString GetSaveFileName(const QString& title, const QString& folder, const QString& proposedName,
                        const QString& filter) {
    EventScope scope;
    KeysAroundPrompt keys;
    return CurrentPromptHandler().GetSaveFileName(titleOr(title), folder, proposedName, filter);
}

QString GetOpenFileName(const QString& title, const QString& folder, const QString& filter) {
    EventScope scope;
    KeysAroundPrompt keys;
    return CurrentPromptHandler().GetOpenFileName(titleOr(title), folder, filter);
}

bool PrintDialog(PrintDialogRequest& request) {
    EventScope scope;
    KeysAroundPrompt keys;
    request.title = titleOr(request.title);
    return CurrentPromptHandler().PrintDialog(request);
}

int QtPromptHandler::MsgBox(const QString& prompt, int style, const QString& title) {
    QMessageBox box(dialogParent());
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(prompt);
    box.setWindowModality(Qt::ApplicationModal);
    // A message box sizes itself to its text; a long title would be cut.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(TitleBarWidth(title), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    switch (MsgBoxIconOf(style)) {
    case vbCritical: box.setIcon(QMessageBox::Critical); break;
    case vbQuestion: box.setIcon(QMessageBox::Question); break;
    case vbExclamation: box.setIcon(QMessageBox::Warning); break;
    case vbInformation: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }
    struct Choice {
        int result;
        QString caption;
        QMessageBox::ButtonRole role;
    };
    const PromptCaptions& c = g_captions;
    std::vector<Choice> choices;
    switch (MsgBoxButtonsOf(style)) {
    case vbOKCancel: choices = {{vbOK, c.ok, QMessageBox::AcceptRole}, {vbCancel, c.cancel, QMessageBox::RejectRole}}; break;
    case vbAbortRetryIgnore:
        choices = {{vbAbort, c.abort, QMessageBox::RejectRole}, {vbRetry, c.retry, QMessageBox::AcceptRole},
                   {vbIgnore, c.ignore, QMessageBox::AcceptRole}};
        break;
    case vbYesNoCancel:
        choices = {{vbYes, c.yes, QMessageBox::YesRole}, {vbNo, c.no, QMessageBox::NoRole},
                   {vbCancel, c.cancel, QMessageBox::RejectRole}};
        break;
    case vbYesNo: choices = {{vbYes, c.yes, QMessageBox::YesRole}, {vbNo, c.no, QMessageBox::NoRole}}; break;
    case vbRetryCancel: choices = {{vbRetry, c.retry, QMessageBox::AcceptRole}, {vbCancel, c.cancel, QMessageBox::RejectRole}}; break;
    default: choices = {{vbOK, c.ok, QMessageBox::AcceptRole}}; break;
    }
    std::vector<QPushButton*> buttons;
    for (const Choice& ch : choices) buttons.push_back(box.addButton(ch.caption, ch.role));
    const std::size_t def = std::size_t(MsgBoxDefaultOf(style) >> 8);
    box.setDefaultButton(buttons[def < buttons.size() ? def : 0]);
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (choices[i].result == vbCancel || (choices.size() == 1)) box.setEscapeButton(buttons[i]);
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i]) return choices[i].result;
    // Closed without a button: the cancel button when there is one, else the first.
    for (const Choice& ch : choices)
        if (ch.result == vbCancel) return vbCancel;
    return choices.front().result;
}

QString QtPromptHandler::GetSaveFileName(const QString& title, const QString& folder, const QString& proposedName,
                                         const QString& filter) {
    QFileDialog dlg(dialogParent(), title, folder, filter);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    prepareFileDialog(dlg);
    if (!proposedName.isEmpty()) dlg.selectFile(proposedName);
    // The extension of the filter is added when the user types none.
    const QRegularExpressionMatch m = QRegularExpression(R"(\*\.([A-Za-z0-9]+))").match(filter);
    if (m.hasMatch()) dlg.setDefaultSuffix(m.captured(1));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return QString();
    return dlg.selectedFiles().first();
}

QString QtPromptHandler::GetOpenFileName(const QString& title, const QString& folder, const QString& filter) {
    QFileDialog dlg(dialogParent(), title, folder, filter);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    prepareFileDialog(dlg);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return QString();
    return dlg.selectedFiles().first();
}

bool QtPromptHandler::PrintDialog(PrintDialogRequest& r) { return RunPrintDialog(r, dialogParent()); }

}  // namespace platform
