#pragma once

#include <QtGlobal>
#include <cstdint>

// How long a run lasts, from which seed, and whether every action is logged. Read from the
// arguments --monkey-seed=N, --monkey-seconds=N and --monkey-trace (taken out of argv before
// QtTest sees it) or else from SORVANEL_MONKEY_SEED, SORVANEL_MONKEY_SECONDS and
// SORVANEL_MONKEY_TRACE=1. Without a seed one is made from the clock (and printed).
struct MonkeyConfig
{
    std::uint64_t seed = 0;
    int seconds = 120;
    bool trace = false;

    static MonkeyConfig fromArguments(int& argc, char** argv);
};
