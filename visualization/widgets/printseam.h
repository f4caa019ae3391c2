#pragma once

#include <QString>
#include <functional>

class QImage;
class QWidget;

// Printing of a picture goes through this seam, so that tests print to a file without a
// dialog. By default the platform's print dialog asks where to print.
namespace PrintSeam {

// Prints `image` scaled into the page; false when nothing was printed (dialog cancelled).
using Handler = std::function<bool(const QImage& image, QWidget* parent)>;

// Replaces the current handler; returns the previous one (empty for the default).
Handler setHandler(Handler handler);

bool print(const QImage& image, QWidget* parent);

// A handler that prints one page to the PDF file `path`, no dialog.
Handler pdfFile(const QString& path);

} // namespace PrintSeam
