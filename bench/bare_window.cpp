// The yardstick: an empty Qt window of the calculator's size. With --text it
// also shows one line of text, which makes Qt load the font database, as
// any window with words must.
#include <cstring>

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(444, 406);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
        auto* label = new QLabel(QStringLiteral("Mensajes"), &window);
        label->setGeometry(10, 10, 100, 20);
    }
    window.show();
    return QApplication::exec();
}
