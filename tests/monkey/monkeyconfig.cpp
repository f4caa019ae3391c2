#include "monkeyconfig.h"

#include <QByteArray>
#include <QDateTime>
#include <cstring>

namespace {
// The value of `--name=` in `arg`, or a null array.
QByteArray valueOf(const char* arg, const char* name)
{
    const std::size_t length = std::strlen(name);
    if (std::strncmp(arg, name, length) != 0 || arg[length] != '=')
        return {};
    return QByteArray(arg + length + 1);
}
} // namespace

MonkeyConfig MonkeyConfig::fromArguments(int& argc, char** argv)
{
    MonkeyConfig config;
    QByteArray seed = qgetenv("SORVANEL_MONKEY_SEED");
    QByteArray seconds = qgetenv("SORVANEL_MONKEY_SECONDS");
    config.trace = qgetenv("SORVANEL_MONKEY_TRACE") == "1";
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (const QByteArray v = valueOf(argv[i], "--monkey-seed"); !v.isNull())
            seed = v;
        else if (const QByteArray v = valueOf(argv[i], "--monkey-seconds"); !v.isNull())
            seconds = v;
        else if (std::strcmp(argv[i], "--monkey-trace") == 0)
            config.trace = true;
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    argv[argc] = nullptr;
    bool ok = false;
    config.seed = seed.toULongLong(&ok);
    if (!ok)
        config.seed = std::uint64_t(QDateTime::currentMSecsSinceEpoch()) % 1000000007ULL;
    if (const int s = seconds.toInt(&ok); ok && s > 0)
        config.seconds = s;
    return config;
}
