#include "app/ProgramIdentity.h"
#include "app/TranslationLoader.h"
#include "cli/CliProgram.h"

#include <QGuiApplication>

#include <cstring>
#include <memory>

namespace {

QtMessageHandler g_handler = nullptr;

// Without a desktop session there is no runtime folder; the offscreen
// platform asks for one it never uses, and Qt's warning about it would only
// puzzle the user of a bench computer.
void WithoutRuntimeFolderWarning(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) {
        g_handler(type, context, message);
    }
}

// Certificates are drawn with fonts, which only a GUI application has; it
// needs no display on the offscreen platform.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--certificate", std::strlen("--certificate")) == 0) {
            if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
                qputenv("QT_QPA_PLATFORM", "offscreen");
            }
            g_handler = qInstallMessageHandler(WithoutRuntimeFolderWarning);
            auto application = std::make_unique<QGuiApplication>(argc, argv);
            qInstallMessageHandler(g_handler);
            return application;
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
