#pragma once
// A printer for tests: records every print job, page and picture, and reads
// back the texts each painted picture holds (with their place and colour),
// so a test sees exactly what went onto paper.

#include "platform/Printer.h"

#include <QColor>
#include <QList>
#include <QPointF>
#include <QStringList>

#include <functional>

namespace testsupport {

// One text drawn inside a picture, at its place in the picture's own
// coordinates (the captured window's pixels).
struct PictureText {
    QString text;
    QPointF at;
    QColor color;
};

struct PaintedPicture {
    int x = 0, y = 0, width = 0, height = 0;  // twips on the page
    QList<PictureText> texts;                 // in drawing order
    // The texts, trimmed, empty ones left out, in reading order: top to
    // bottom, left to right within a line.
    QStringList Texts() const;
    // True when some text, trimmed, equals t.
    bool Has(const QString& t) const;
    // The texts whose place lies inside the given rectangle of the picture.
    QStringList TextsIn(const QRectF& area) const;
};

struct RecordedPage {
    QList<PaintedPicture> pictures;
};

struct RecordedJob {
    QList<RecordedPage> pages;
    bool ended = false;   // EndDoc was called
    bool killed = false;  // KillDoc was called
    QString name;         // document name set before the job began
    QList<PaintedPicture> Pictures() const;
};

class RecordingPrinter : public platform::PrinterDevice {
public:
    explicit RecordingPrinter(QString name = QStringLiteral("Recorder"), int pageWidth = 11000,
                              int pageHeight = 15500);

    QString DeviceName() const override { return name_; }
    int ScaleWidth() const override { return pageWidth_; }
    int ScaleHeight() const override { return pageHeight_; }
    void PaintPicture(const QPicture& picture, int x, int y, int width, int height) override;
    void NewPage() override;
    bool EndDoc() override;
    void KillDoc() override;
    QString ErrorText() const override { return error_; }
    void SetDocumentName(const QString& name) override { documentName_ = name; }

    // Jobs that were ended with EndDoc, in order.
    QList<RecordedJob> EndedJobs() const;
    QList<RecordedJob> jobs;
    // Every call in order: "paint", "newpage", "enddoc", "killdoc".
    QStringList calls;

    // Runs at every PaintPicture, before the picture is recorded (to look at
    // the program's state in the middle of a job).
    std::function<void()> onPaint;

    // Makes the n-th PaintPicture call (1-based, over all jobs) fail with
    // this error text; 0 switches it off.
    void FailAtPaint(int n, const QString& text);
    // Makes every EndDoc fail with this error text ("" reports a cancel).
    void FailEndDoc(const QString& text);

private:
    RecordedJob& Current();

    QString name_;
    QString documentName_;
    int pageWidth_, pageHeight_;
    bool open_ = false;
    int paints_ = 0;
    int failAt_ = 0;
    QString failText_;
    bool failEnd_ = false;
    QString failEndText_;
    QString error_;
};

// A deal record for tests: 21 fields, the holdings lower-case letters that
// name board, seat and suit ("qab" board, then "n"/"o"/"z"/"w", then
// "s"/"h"/"r"/"k"), so that no ten form touches them; seat fields
// "<name>(<points>)" with the given names.
QString TestRecord(int board, const QStringList& seats = {"Noord", "Oost", "Zuid", "West"});
// The holding TestRecord writes for board, seat and suit.
QString TestHolding(int board, int seat, int suit);
// Records for boards first .. first + count - 1.
QStringList TestSet(int count, int first = 1);

// The texts a picture draws, with their places and colours.
QList<PictureText> TextsOf(const QPicture& picture);

}  // namespace testsupport
