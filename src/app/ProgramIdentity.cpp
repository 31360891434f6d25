#include "app/ProgramIdentity.h"

#include <QCoreApplication>

void ProgramIdentity::Apply()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Norwake"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("norwake.com"));
    QCoreApplication::setApplicationName(QStringLiteral("velmora"));
    // The two blanks before the parenthesis belong to the version text.
    const QString buildDate = QStringLiteral(__DATE__).simplified();
    QCoreApplication::setApplicationVersion(QStringLiteral("161000.02.02.03  ( ") + buildDate + QStringLiteral(" )"));
}
