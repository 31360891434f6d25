#include "app/VelmoraApplication.h"

int main(int argc, char* argv[])
{
    if (const std::optional<int> exitCode = VelmoraApplication::AnswerWithoutWindow(argc, argv)) {
        return *exitCode;
    }
    // Both must be set before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_UseOpenGLES);
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    VelmoraApplication application(argc, argv);
    return application.Run();
}
