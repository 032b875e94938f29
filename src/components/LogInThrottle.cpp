#include "components/LogInThrottle.h"

#include <chrono>

namespace components {

LogInThrottle::LogInThrottle(Clock clock) : clock_(std::move(clock))
{
    if (!clock_)
        clock_ = [] {
            return qint64(std::chrono::duration_cast<std::chrono::milliseconds>(
                              std::chrono::steady_clock::now().time_since_epoch())
                              .count());
        };
}

void LogInThrottle::failed()
{
    ++failures_;
    if (failures_ >= FreeTries)
        nextTryAt_ = clock_() + qint64(WaitSeconds) * 1000;
}

void LogInThrottle::succeeded()
{
    failures_ = 0;
    nextTryAt_ = 0;
}

int LogInThrottle::secondsToWait() const
{
    const qint64 left = nextTryAt_ - clock_();
    return left <= 0 ? 0 : int((left + 999) / 1000);
}

} // namespace components
