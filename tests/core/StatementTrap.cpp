#include "tests/core/StatementTrap.h"

#include "tests/core/PrivateMariaDb.h"

#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

namespace {

// A client packet: three bytes of length, one of sequence, then the payload; a statement's
// payload is the command byte COM_QUERY and the statement's text.
constexpr int kHeaderSize = 4;
constexpr char kQueryCommand = 0x03;

sockaddr_in loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(quint16(port));
    return address;
}

// A connection to the server's port; -1 while nothing listens there.
int connectTo(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in address = loopback(port);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
        return fd;
    if (fd >= 0)
        ::close(fd);
    return -1;
}

bool writeAll(int fd, const char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t written = ::send(fd, data, size_t(size), MSG_NOSIGNAL);
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

qsizetype packetSize(const QByteArray& bytes) {
    if (bytes.size() < kHeaderSize)
        return -1;
    const auto byte = [&](int i) { return qsizetype(quint8(bytes.at(i))); };
    const qsizetype size = kHeaderSize + (byte(0) | byte(1) << 8 | byte(2) << 16);
    return bytes.size() >= size ? size : -1;
}

} // namespace

StatementTrap::StatementTrap(PrivateMariaDb& server)
    : server_(server)
    , serverPort_(server.Port()) {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback(0);
    socklen_t length = sizeof address;
    if (listener_ < 0 ||
        bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener_, 16) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
        pipe(wake_) != 0)
        qFatal("the statement trap cannot listen");
    port_ = ntohs(address.sin_port);
    server_.PointTestsAt(port_);
    thread_ = std::thread(&StatementTrap::run, this);
}

StatementTrap::~StatementTrap() {
    const char stop = 0;
    if (::write(wake_[1], &stop, 1) != 1)
        qWarning("the statement trap was not told to stop");
    thread_.join();
    for (Link& link : links_)
        close(link);
    for (int fd : {listener_, wake_[0], wake_[1]})
        ::close(fd);
}

void StatementTrap::KillServerAt(const QString& text) {
    const std::lock_guard lock(mutex_);
    armed_ = text.toUtf8();
    serverPid_ = server_.ProcessId();
    sprung_ = false;
}

bool StatementTrap::Sprung() const {
    const std::lock_guard lock(mutex_);
    return sprung_;
}

void StatementTrap::run() {
    for (;;) {
        std::vector<pollfd> watched{{wake_[0], POLLIN, 0}, {listener_, POLLIN, 0}};
        for (const Link& link : links_) {
            watched.push_back({link.client, POLLIN, 0});
            watched.push_back({link.server, POLLIN, 0});
        }
        if (poll(watched.data(), nfds_t(watched.size()), -1) < 0)
            continue;
        if (watched[0].revents != 0)
            return;
        if (watched[1].revents != 0)
            accept();
        for (size_t i = 0; i < links_.size() && 2 + 2 * i + 1 < watched.size(); ++i) {
            Link& link = links_[i];
            const bool open = (watched[2 + 2 * i].revents == 0 || passClientBytes(link)) &&
                              (watched[2 + 2 * i + 1].revents == 0 || passServerBytes(link));
            if (!open)
                close(link);
        }
        links_.erase(std::remove_if(links_.begin(), links_.end(),
                                    [](const Link& link) { return link.client < 0; }),
                     links_.end());
    }
}

void StatementTrap::accept() {
    const int client = ::accept(listener_, nullptr, nullptr);
    if (client < 0)
        return;
    // While the server is away a connection closes at once, as a refused one would.
    const int server = connectTo(serverPort_);
    if (server < 0) {
        ::close(client);
        return;
    }
    links_.push_back({client, server, {}});
}

bool StatementTrap::passClientBytes(Link& link) {
    char buffer[65536];
    const ssize_t got = ::recv(link.client, buffer, sizeof buffer, 0);
    if (got <= 0)
        return false;
    link.unsent.append(buffer, got);
    for (qsizetype size = packetSize(link.unsent); size > 0; size = packetSize(link.unsent)) {
        const QByteArray packet = link.unsent.left(size);
        link.unsent.remove(0, size);
        if (springsTrap(packet) || !writeAll(link.server, packet.constData(), packet.size()))
            return false;
    }
    return true;
}

bool StatementTrap::passServerBytes(Link& link) {
    char buffer[65536];
    const ssize_t got = ::recv(link.server, buffer, sizeof buffer, 0);
    return got > 0 && writeAll(link.client, buffer, got);
}

bool StatementTrap::springsTrap(const QByteArray& packet) {
    {
        const std::lock_guard lock(mutex_);
        if (armed_.isEmpty() || packet.size() <= kHeaderSize ||
            packet.at(kHeaderSize) != kQueryCommand ||
            !packet.mid(kHeaderSize + 1).contains(armed_))
            return false;
        armed_.clear();
    }
    killServer();
    const std::lock_guard lock(mutex_);
    sprung_ = true;
    return true;
}

void StatementTrap::killServer() {
    ::kill(pid_t(serverPid_), SIGKILL);
    // Only a server that no longer answers lets the program's reconnection fail, as it would
    // after a crash.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (int probe = connectTo(serverPort_); probe >= 0; probe = connectTo(serverPort_)) {
        ::close(probe);
        if (std::chrono::steady_clock::now() > deadline)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

void StatementTrap::close(Link& link) {
    for (int* fd : {&link.client, &link.server}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}
