#pragma once

#include <QByteArray>
#include <QString>

#include <mutex>
#include <thread>
#include <vector>

class PrivateMariaDb;

// Stands between the tests and a private MariaDB server on a port of its own and passes every
// connection on, until the program sends a statement holding a chosen text: then the server is
// killed before that statement reaches it, as a server that goes down just as a button is
// pressed, at a step that waits for nothing and so cannot be caught by a lock.
class StatementTrap final {
    Q_DISABLE_COPY_MOVE(StatementTrap)

public:
    // Listens on a free loopback port and points the tests of this run at it.
    explicit StatementTrap(PrivateMariaDb& server);
    ~StatementTrap();

    // The next statement whose text holds `text` kills the server instead of reaching it; the
    // connection that sent it then closes, once the server no longer answers.
    void KillServerAt(const QString& text);
    // Whether the armed statement came and the server was killed.
    bool Sprung() const;

    int Port() const { return port_; }

private:
    struct Link {
        int client = -1;
        int server = -1;
        QByteArray unsent; // the client's bytes of a packet not yet whole
    };

    void run();
    void accept();
    // Passes the client's whole packets on; false when the link is done.
    bool passClientBytes(Link& link);
    bool passServerBytes(Link& link);
    // True when the packet is the armed statement; the server has been killed then.
    bool springsTrap(const QByteArray& packet);
    void killServer();
    static void close(Link& link);

    PrivateMariaDb& server_;
    int serverPort_ = 0;
    int listener_ = -1;
    int port_ = 0;
    int wake_[2] = {-1, -1};
    std::vector<Link> links_;

    mutable std::mutex mutex_;
    QByteArray armed_;
    qint64 serverPid_ = 0;
    bool sprung_ = false;

    std::thread thread_;
};
