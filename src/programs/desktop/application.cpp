#include "programs/desktop/application.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "trelvani_version.h"

// The icons are compiled into this static library; pull them in explicitly.
static void InitResources() { Q_INIT_RESOURCE(trelvani); }

namespace trelvani::app {

void SetUpApplication(QApplication& application) {
    InitResources();
    QApplication::setApplicationName(QStringLiteral("Trelvani"));
    // No display name: Qt would append it to the title the window manager shows.
    QApplication::setApplicationVersion(QStringLiteral(TRELVANI_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Trelvani"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.trelvani.Trelvani"));

    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/trelvani-32-mono.xpm"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/trelvani-32.xpm"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/trelvani-16.xpm"), QSize(16, 16));
    QApplication::setWindowIcon(icon);

    // The context menus and the error box's button speak Spanish too.
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
}

}  // namespace trelvani::app
