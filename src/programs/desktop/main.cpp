#include <QApplication>

#include "programs/desktop/application.h"
#include "programs/desktop/main_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    trelvani::app::SetUpApplication(application);
    trelvani::app::MainWindow window;
    window.show();
    return QApplication::exec();
}
