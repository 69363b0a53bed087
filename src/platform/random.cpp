#include "platform/random.h"

#include "platform/clock.h"

namespace platform {

QRandomGenerator& Random::generator()
{
    static QRandomGenerator g(static_cast<quint32>(Clock::now().toMSecsSinceEpoch()));
    return g;
}

void Random::seed(quint32 value)
{
    generator().seed(value);
}

void Random::seedFromClock()
{
    generator().seed(static_cast<quint32>(Clock::now().toMSecsSinceEpoch()));
}

int Random::below(int bound)
{
    return bound <= 0 ? 0 : static_cast<int>(generator().bounded(static_cast<quint32>(bound)));
}

} // namespace platform
