#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QStyleFactory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setFont(QFont("DejaVu Sans", 8));
    QLabel placeholder("Velmora Drovik");
    placeholder.resize(400, 200);
    placeholder.show();
    return app.exec();
}
