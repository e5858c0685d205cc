#include "platform/Clock.h"

namespace tarvel {

QDateTime SystemClock::Now() const
{
    return QDateTime::currentDateTime();
}

} // namespace tarvel
