#include "platform/WaitNote.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

#include "platform/Form.h"

namespace platform {

WaitNote::WaitNote(const QString& title) : window_(std::make_unique<QWidget>(nullptr, Qt::Dialog)) {
    window_->setObjectName(QStringLiteral("WaitNote"));
    window_->setWindowTitle(title);
    window_->setAttribute(Qt::WA_ShowWithoutActivating);
    auto* layout = new QVBoxLayout(window_.get());
    label_ = new QLabel(window_.get());
    label_->setMinimumWidth(320);
    label_->setAlignment(Qt::AlignCenter);
    layout->addWidget(label_);
}

WaitNote::~WaitNote() = default;

void WaitNote::SetText(const QString& text) {
    label_->setText(text);
    if (!window_->isVisible()) {
        window_->adjustSize();
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            window_->move(screen->availableGeometry().center() - window_->rect().center());
        window_->winId();  // the window system's window, to be told what it belongs to before it appears
        BelongTo(*window_, OpeningForm());
        window_->show();
    }
    window_->repaint();
}

QString WaitNote::Text() const { return label_->text(); }

}  // namespace platform
