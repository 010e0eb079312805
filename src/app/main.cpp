#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QStyleFactory>

#include "platform/SingleInstance.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // A second copy ends at once, without a message.
    if (!platform::acquireProgramLock())
        return 0;
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setFont(QFont("DejaVu Sans", 8));
    QLabel placeholder("Velmora Drovik");
    placeholder.resize(400, 200);
    placeholder.show();
    return app.exec();
}
