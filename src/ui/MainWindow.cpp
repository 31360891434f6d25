#include "ui/MainWindow.h"

#include "app/VelmoraApplication.h"
#include "link/cConnectionManager.h"

#include <QCloseEvent>

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
}

// The connection prompt is a window of its own; closed with this one, it
// would keep the program running.
void MainWindow::closeEvent(QCloseEvent* event)
{
    VelmoraApplication::Instance()->GetConnectionManager()->StopPrompting();
    event->accept();
}
