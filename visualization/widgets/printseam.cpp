#include "visualization/widgets/printseam.h"

#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace {
PrintSeam::Handler& current()
{
    static PrintSeam::Handler handler;
    return handler;
}

// The image keeps its aspect ratio, anchored at the page's top left.
void paintOnPrinter(QPrinter& printer, const QImage& image)
{
    QPainter painter(&printer);
    const QRect rect = painter.viewport();
    QSize size = image.size();
    size.scale(rect.size(), Qt::KeepAspectRatio);
    painter.setViewport(rect.x(), rect.y(), size.width(), size.height());
    painter.setWindow(image.rect());
    painter.drawImage(0, 0, image);
}

bool printWithDialog(const QImage& image, QWidget* parent)
{
    QPrinter printer(QPrinter::ScreenResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    paintOnPrinter(printer, image);
    return true;
}
} // namespace

namespace PrintSeam {

Handler setHandler(Handler handler)
{
    Handler previous = std::move(current());
    current() = std::move(handler);
    return previous;
}

bool print(const QImage& image, QWidget* parent)
{
    return current() ? current()(image, parent) : printWithDialog(image, parent);
}

Handler pdfFile(const QString& path)
{
    return [path](const QImage& image, QWidget*) {
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        paintOnPrinter(printer, image);
        return true;
    };
}

} // namespace PrintSeam
