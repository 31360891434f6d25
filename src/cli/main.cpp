#include "app/ProgramIdentity.h"
#include "cli/CliProgram.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ProgramIdentity::Apply();
    CliProgram program;
    return program.Run(application.arguments());
}
