#include "FakeTdsListener.h"

#include <QByteArray>
#include <QtEndian>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

namespace test {

namespace {

constexpr int kWaitMs = 20000;

int listenOnLoopback(int* port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        throw std::runtime_error("socket() failed");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(fd);
        throw std::runtime_error("bind() failed");
    }
    *port = ntohs(address.sin_port);
    return fd;
}

bool readExactly(int fd, char* buffer, int size)
{
    int done = 0;
    while (done < size) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, kWaitMs) <= 0)
            return false;
        const ssize_t n = ::recv(fd, buffer + done, size - done, 0);
        if (n <= 0)
            return false;
        done += static_cast<int>(n);
    }
    return true;
}

// One TDS packet: an 8-byte header whose bytes 2-3 give the whole length.
bool readPacket(int fd, int* type, QByteArray* payload)
{
    char header[8];
    if (!readExactly(fd, header, 8))
        return false;
    *type = static_cast<unsigned char>(header[0]);
    const int length = qFromBigEndian<quint16>(header + 2);
    payload->resize(length - 8);
    return readExactly(fd, payload->data(), length - 8);
}

// The pre-login answer: server version 9.0, and "encryption not supported",
// so the client goes on in the clear.
QByteArray preloginReply()
{
    const QByteArray body = QByteArray::fromHex("00000b0006" "0100110001" "ff" "090000000000" "02");
    QByteArray packet = QByteArray::fromHex("0401");
    char length[2];
    qToBigEndian<quint16>(static_cast<quint16>(8 + body.size()), length);
    packet.append(length, 2);
    packet.append(QByteArray::fromHex("00000100"));
    return packet + body;
}

// A string of the log-in packet: its offset and length in characters sit in
// the table after the 36-byte fixed part.
QString loginString(const QByteArray& login, int index, bool scrambled)
{
    const int offset = qFromLittleEndian<quint16>(login.constData() + 36 + 4 * index);
    const int chars = qFromLittleEndian<quint16>(login.constData() + 38 + 4 * index);
    QByteArray bytes = login.mid(offset, chars * 2);
    if (scrambled) {
        // The password is sent with each byte's nibbles swapped and XOR 0xA5.
        for (char& c : bytes) {
            const auto b = static_cast<unsigned char>(c) ^ 0xA5;
            c = static_cast<char>(((b << 4) & 0xF0) | (b >> 4));
        }
    }
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), chars);
}

} // namespace

FakeTdsListener::FakeTdsListener(Mode mode) : mode_(mode)
{
    socket_ = listenOnLoopback(&port_);
    if (::listen(socket_, 4) != 0) {
        ::close(socket_);
        throw std::runtime_error("listen() failed");
    }
    if (mode_ == Mode::CaptureLogin)
        thread_ = std::thread([this] { serve(); });
    // A silent listener needs no thread: the kernel completes the handshake and
    // the client waits for an answer that never comes.
}

FakeTdsListener::~FakeTdsListener()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    ::close(socket_);
}

bool FakeTdsListener::waitForLogin()
{
    if (thread_.joinable())
        thread_.join();
    return loginRead_;
}

void FakeTdsListener::serve()
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWaitMs);
    while (!stop_ && std::chrono::steady_clock::now() < deadline) {
        pollfd p{socket_, POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0)
            continue;
        const int client = ::accept(socket_, nullptr, nullptr);
        if (client < 0)
            continue;
        loginRead_ = serveLogin(client);
        ::close(client);
        return;
    }
}

bool FakeTdsListener::serveLogin(int client)
{
    int type = 0;
    QByteArray payload;
    if (!readPacket(client, &type, &payload))
        return false;
    if (type == 0x12) { // pre-login
        const QByteArray reply = preloginReply();
        if (::send(client, reply.constData(), reply.size(), MSG_NOSIGNAL) != reply.size())
            return false;
        if (!readPacket(client, &type, &payload))
            return false;
    }
    if (type != 0x10 || payload.size() < 94) // log-in
        return false;
    user_ = loginString(payload, 1, false);
    password_ = loginString(payload, 2, true);
    database_ = loginString(payload, 8, false);
    return true;
}

int ClosedPort()
{
    int port = 0;
    const int fd = listenOnLoopback(&port);
    ::close(fd); // bound but never listening, then released: nothing answers there
    return port;
}

} // namespace test
