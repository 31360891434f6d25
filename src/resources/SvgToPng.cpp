// Build tool: renders one of the program's SVG pictures to PNG at its normal
// size and at twice that size, so that Qt picks the sharp "@2x" file on a
// high-DPI screen; or, given a size, once at that many pixels square (the
// application icon's sizes for the desktop).

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

bool render(QSvgRenderer& renderer, const QSize& size, const QString& path)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    return image.save(path, "PNG");
}

// The offscreen platform complains about the missing runtime folder of a
// desktop session; that says nothing about the picture.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (!message.startsWith(QLatin1String("QStandardPaths:")))
        QTextStream(stderr) << (type == QtWarningMsg ? "warning: " : "") << message << '\n';
}

} // namespace

int main(int argc, char* argv[])
{
    // Text in the pictures needs the font machinery of a GUI application,
    // but the build never has a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    const int pixels = args.size() == 4 ? args.at(3).toInt() : 0;
    if (args.size() < 3 || args.size() > 4 || (args.size() == 4 && pixels <= 0)) {
        err << "usage: svgtopng picture.svg output-base [pixels]\n"
               "writes output-base.png and output-base@2x.png, or only output-base.png\n"
               "at pixels by pixels\n";
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        err << args.at(1) << ": not a readable SVG picture\n";
        return 1;
    }
    const QSize size = renderer.defaultSize();
    const QString base = args.at(2);
    const bool written = pixels > 0
        ? render(renderer, QSize(pixels, pixels), base + ".png")
        : render(renderer, size, base + ".png") && render(renderer, size * 2, base + "@2x.png");
    if (!written) {
        err << base << ": cannot write the PNG files\n";
        return 1;
    }
    return 0;
}
