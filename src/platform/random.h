#pragma once

#include <QRandomGenerator>

namespace platform {

// The program's one pseudo-random generator: seeded from the clock, tests seed it.
class Random
{
public:
    static void seed(quint32 value);
    static void seedFromClock();
    // 0 <= result < bound
    static int below(int bound);

private:
    static QRandomGenerator& generator();
};

} // namespace platform
