#pragma once

#include <QtGlobal>

#include <functional>

namespace components {

// Slows down guessing at the log-in dialog: after five failed log-ins in a
// row every further try waits thirty seconds. The clock is handed in so that
// tests move time on instead of waiting for it.
class LogInThrottle {
public:
    // Milliseconds on a clock that never goes back.
    using Clock = std::function<qint64()>;

    static constexpr int FreeTries = 5;
    static constexpr int WaitSeconds = 30;

    explicit LogInThrottle(Clock clock = {});

    void failed();
    void succeeded();

    int failuresInARow() const { return failures_; }
    // Whole seconds (rounded up) before the next try may go; 0 when it may go now.
    int secondsToWait() const;

private:
    Clock clock_;
    int failures_ = 0;
    qint64 nextTryAt_ = 0;
};

} // namespace components
