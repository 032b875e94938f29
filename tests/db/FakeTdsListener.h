#pragma once

#include <QString>
#include <atomic>
#include <thread>

namespace test {

// A stand-in SQL Server on 127.0.0.1 for log-in tests. Silent: accepts the
// connection and never answers. CaptureLogin: answers the pre-login, reads
// the log-in packet and keeps the user, password and database it carried,
// then hangs up. It serves one connection and stops by itself.
class FakeTdsListener {
public:
    enum class Mode { Silent, CaptureLogin };

    explicit FakeTdsListener(Mode mode);
    ~FakeTdsListener();
    FakeTdsListener(const FakeTdsListener&) = delete;
    FakeTdsListener& operator=(const FakeTdsListener&) = delete;

    int port() const { return port_; }

    // Waits for the log-in to be read; false when none came.
    bool waitForLogin();
    QString user() const { return user_; }
    QString password() const { return password_; }
    QString database() const { return database_; }

private:
    void serve();
    bool serveLogin(int client);

    Mode mode_;
    int socket_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    QString user_;
    QString password_;
    QString database_;
    bool loginRead_ = false;
};

// A port on 127.0.0.1 where nothing listens.
int ClosedPort();

} // namespace test
