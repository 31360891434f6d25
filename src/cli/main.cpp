#include "app/ProgramIdentity.h"
#include "app/TranslationLoader.h"
#include "cli/CliProgram.h"

#include <QGuiApplication>

#include <cstring>
#include <memory>

namespace {

// Certificates are drawn with fonts, which only a GUI application has; it
// needs no display on the offscreen platform.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--certificate", std::strlen("--certificate")) == 0) {
            if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
                qputenv("QT_QPA_PLATFORM", "offscreen");
            }
            return std::make_unique<QGuiApplication>(argc, argv);
        }
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char** argv)
{
    const std::unique_ptr<QCoreApplication> application = MakeApplication(argc, argv);
    ProgramIdentity::Apply();
    TranslationLoader::Install(*application);
    CliProgram program;
    return program.Run(application->arguments());
}
