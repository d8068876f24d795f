#include <QApplication>

#include "app/application.h"
#include "app/main_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    trelvani::app::SetUpApplication(application);
    trelvani::app::MainWindow window;
    window.show();
    return QApplication::exec();
}
