#include "Flashwell.h"

#include "app/TranslationLoader.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    // The arguments are checked before the application object exists, so
    // that a wrong call shows nothing and needs no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    cUpdateRequest request;
    if (!cUpdateRequest::fromArguments(arguments, &request)) {
        // A window-less application, for the translations alone.
        QCoreApplication reader(argc, argv);
        TranslationLoader::Install(reader);
        QTextStream(stderr) << cUpdateRequest::usage(QStringLiteral("Flashwell")) << '\n';
        return 0;
    }
    QApplication::setAttribute(Qt::AA_UseOpenGLES);
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);
    TranslationLoader::Install(app);
    Flashwell wizard(request);
    QObject::connect(&wizard, &QDialog::finished, &app, &QCoreApplication::exit);
    wizard.show();
    return app.exec();
}
