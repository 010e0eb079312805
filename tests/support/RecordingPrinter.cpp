#include "support/RecordingPrinter.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPicture>

#include <algorithm>

namespace testsupport {

namespace {

// A paint engine that keeps only the texts drawn on it.
class TextEngine : public QPaintEngine {
public:
    TextEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & QPaintEngine::DirtyPen)
            pen_ = state.pen();
        if (state.state() & QPaintEngine::DirtyTransform)
            transform_ = state.transform();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        texts.append({item.text(), transform_.map(p), pen_.color()});
    }
    Type type() const override { return QPaintEngine::User; }

    QList<PictureText> texts;

private:
    QPen pen_;
    QTransform transform_;
};

class TextDevice : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &engine; }
    mutable TextEngine engine;

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth:
        case PdmHeight:
            return 100000;
        case PdmWidthMM:
        case PdmHeightMM:
            return 26458;
        case PdmNumColors:
            return 0x7fffffff;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        default:
            return 0;
        }
    }
};

}  // namespace

QList<PictureText> TextsOf(const QPicture& picture) {
    TextDevice device;
    {
        QPainter painter(&device);
        QPicture copy(picture);
        copy.play(&painter);
    }
    return device.engine.texts;
}

QStringList PaintedPicture::Texts() const {
    QList<PictureText> sorted;
    for (const PictureText& t : texts)
        if (!t.text.trimmed().isEmpty())
            sorted.append(t);
    std::stable_sort(sorted.begin(), sorted.end(), [](const PictureText& a, const PictureText& b) {
        if (qAbs(a.at.y() - b.at.y()) > 4)
            return a.at.y() < b.at.y();
        return a.at.x() < b.at.x();
    });
    QStringList out;
    for (const PictureText& t : sorted)
        out << t.text.trimmed();
    return out;
}

bool PaintedPicture::Has(const QString& t) const {
    for (const PictureText& p : texts)
        if (p.text.trimmed() == t)
            return true;
    return false;
}

QStringList PaintedPicture::TextsIn(const QRectF& area) const {
    PaintedPicture part;
    for (const PictureText& t : texts)
        if (area.contains(t.at))
            part.texts.append(t);
    return part.Texts();
}

QList<PaintedPicture> RecordedJob::Pictures() const {
    QList<PaintedPicture> all;
    for (const RecordedPage& page : pages)
        all += page.pictures;
    return all;
}

RecordingPrinter::RecordingPrinter(QString name, int pageWidth, int pageHeight)
    : name_(std::move(name)), pageWidth_(pageWidth), pageHeight_(pageHeight) {}

RecordedJob& RecordingPrinter::Current() {
    if (!open_) {
        jobs.append(RecordedJob());
        jobs.last().pages.append(RecordedPage());
        jobs.last().name = documentName_;
        open_ = true;
    }
    return jobs.last();
}

void RecordingPrinter::PaintPicture(const QPicture& picture, int x, int y, int width, int height) {
    calls << QStringLiteral("paint");
    ++paints_;
    if (onPaint)
        onPaint();
    if (failAt_ > 0 && paints_ == failAt_) {
        error_ = failText_;
        return;
    }
    PaintedPicture painted;
    painted.x = x;
    painted.y = y;
    painted.width = width;
    painted.height = height;
    painted.texts = TextsOf(picture);
    Current().pages.last().pictures.append(painted);
}

void RecordingPrinter::NewPage() {
    calls << QStringLiteral("newpage");
    Current().pages.append(RecordedPage());
}

bool RecordingPrinter::EndDoc() {
    calls << QStringLiteral("enddoc");
    if (open_) {
        jobs.last().ended = true;
        open_ = false;
    }
    if (failEnd_) {
        error_ = failEndText_;
        return false;
    }
    error_.clear();
    return true;
}

void RecordingPrinter::KillDoc() {
    calls << QStringLiteral("killdoc");
    if (open_) {
        jobs.last().killed = true;
        open_ = false;
    }
    error_.clear();
}

QList<RecordedJob> RecordingPrinter::EndedJobs() const {
    QList<RecordedJob> ended;
    for (const RecordedJob& job : jobs)
        if (job.ended)
            ended.append(job);
    return ended;
}

void RecordingPrinter::FailAtPaint(int n, const QString& text) {
    failAt_ = n;
    failText_ = text;
}

void RecordingPrinter::FailEndDoc(const QString& text) {
    failEnd_ = true;
    failEndText_ = text;
}

QString TestHolding(int board, int seat, int suit) {
    return QStringLiteral("q") + QChar('a' + board / 26) + QChar('a' + board % 26) +
           QStringLiteral("nozw").at(seat) + QStringLiteral("shrk").at(suit);
}

QString TestRecord(int board, const QStringList& seats) {
    QStringList fields{QString::number(1000 + board).right(3)};
    for (int h = 0; h < 4; ++h)
        for (int s = 0; s < 4; ++s)
            fields << TestHolding(board, h, s);
    for (int h = 0; h < 4; ++h)
        fields << seats.value(h) + QStringLiteral("(%1)").arg(board + h);
    return fields.join(QLatin1Char('~'));
}

QStringList TestSet(int count, int first) {
    QStringList set;
    for (int i = 0; i < count; ++i)
        set << TestRecord(first + i);
    return set;
}

}  // namespace testsupport
