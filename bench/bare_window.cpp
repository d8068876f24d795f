// The yardstick: an empty Qt window of the calculator's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(444, 406);
    window.show();
    return QApplication::exec();
}
