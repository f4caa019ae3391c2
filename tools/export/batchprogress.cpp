#include "batchprogress.h"

#include <unistd.h>

BatchProgress::BatchProgress(std::FILE* output, int count)
    : stream(output)
    , total(count)
    , shown(count > 1 && isatty(fileno(output)))
{
}

BatchProgress::~BatchProgress()
{
    clearLine();
}

void BatchProgress::show(int done, const QString& current)
{
    if (!shown)
        return;
    clearLine();
    std::fprintf(stream, "[%d/%d] %s", done, total, qPrintable(current));
    std::fflush(stream);
    lineOpen = true;
}

void BatchProgress::message(const QString& text)
{
    clearLine();
    std::fprintf(stream, "%s\n", qPrintable(text));
    std::fflush(stream);
}

void BatchProgress::clearLine()
{
    if (!lineOpen)
        return;
    // Back to the line's start and erase it.
    std::fputs("\r\033[K", stream);
    lineOpen = false;
}
