#pragma once

#include <QString>
#include <cstdio>

// One line on a terminal that counts a long batch up; nothing when the output is not a
// terminal (a log file gets only the messages) or the batch is a single file.
class BatchProgress
{
public:
    BatchProgress(std::FILE* stream, int total);
    ~BatchProgress();

    void show(int done, const QString& current);
    // Prints a message on a line of its own, the progress line following it.
    void message(const QString& text);

private:
    void clearLine();

    std::FILE* stream;
    int total;
    bool shown;
    bool lineOpen = false;
};
