// Waiting for the database: a row another transaction holds and a server that stops
// answering are waited for visibly, and given up by the watcher or at the limit.
#include "db/Connection.h"
#include "db/DatabaseWait.h"
#include "db/DatabaseBuilder.h"
#include "support/TestDatabase.h"

#include <QElapsedTimer>
#include <arpa/inet.h>
#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace zort;
using namespace zort::test;

namespace {

// Records what the waiting layer tells; stops when `stop` says so.
class Watcher : public DatabaseWait::Watcher {
public:
    std::vector<WaitState> states;
    int overs = 0;
    std::function<bool(const WaitState&)> stop = [](const WaitState&) { return false; };
    bool waiting(const WaitState& s) override {
        states.push_back(s);
        return !stop(s);
    }
    void over() override { ++overs; }
};

// The settings of a test, put back afterwards.
struct Waiting {
    Waiting(Watcher* w, int quiet, int limit) {
        DatabaseWait::setWatcher(w);
        DatabaseWait::setQuietTime(quiet);
        DatabaseWait::setLimit(limit);
    }
    ~Waiting() {
        DatabaseWait::setWatcher(nullptr);
        DatabaseWait::setQuietTime(2000);
        DatabaseWait::setLimit(30000);
    }
};

const QString kUpdate = QStringLiteral("UPDATE SKWZESPPOWYPADKOWY SET FUNKCJA = :f WHERE ID = 1");

WaitReason cancelledReason(const std::function<void()>& call) {
    try {
        call();
    } catch (const WaitCancelled& e) {
        EXPECT_EQ(DatabaseWait::cancelledText(e.waitReason()), e.message());
        return e.waitReason();
    }
    ADD_FAILURE() << "the call was not given up";
    return WaitReason::Unknown;
}

TEST(DatabaseWait, ARowHeldElsewhereIsWaitedForUntilTheUserOrTheLimitGivesUp) {
    TestDatabase db;
    auto holder = db.connect(QStringLiteral("holder"));
    auto waiter = db.connect(QStringLiteral("waiter"));
    holder->execute(QStringLiteral("INSERT INTO SKWZESPPOWYPADKOWY (ID, IMNAZW, FUNKCJA) VALUES (1, 'Jan', 'x')"));
    Watcher watcher;
    Waiting settings(&watcher, 200, 20000);

    // A statement that does not wait tells nobody.
    waiter->execute(kUpdate, Params{{"f", "y"}});
    EXPECT_TRUE(watcher.states.empty());
    EXPECT_EQ(0, watcher.overs);

    // Held by another transaction: told after the quiet time, with the reason once
    // known; given up by the user (the watcher's "Przerwij").
    holder->begin();
    holder->execute(kUpdate, Params{{"f", "held"}});
    watcher.stop = [](const WaitState& s) { return s.reason != WaitReason::Unknown; };
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(WaitReason::Lock, cancelledReason([&] { waiter->execute(kUpdate, Params{{"f", "z"}}); }));
    EXPECT_LT(t.elapsed(), 6000);
    ASSERT_FALSE(watcher.states.empty());
    EXPECT_GE(watcher.states.front().elapsedMs, 200);
    EXPECT_EQ(20000, watcher.states.front().limitMs);
    EXPECT_EQ(1, watcher.overs);

    // The limit gives up when the watcher does not.
    watcher.stop = [](const WaitState&) { return false; };
    DatabaseWait::setLimit(1500);
    t.restart();
    cancelledReason([&] { waiter->execute(kUpdate, Params{{"f", "z"}}); });
    EXPECT_GE(t.elapsed(), 1500);
    EXPECT_LT(t.elapsed(), 6000);

    // Inside a transaction of its own, the rest of that transaction is rolled back.
    try {
        Transaction tr(*waiter);
        waiter->execute(QStringLiteral("INSERT INTO SKWZESPPOWYPADKOWY (ID, IMNAZW) VALUES (2, 'Anna')"));
        waiter->execute(kUpdate, Params{{"f", "z"}});
        tr.commit();
        ADD_FAILURE() << "not given up";
    } catch (const WaitCancelled&) {
    }
    holder->commit();
    EXPECT_EQ(0, waiter->scalar(QStringLiteral("SELECT COUNT(*) FROM SKWZESPPOWYPADKOWY WHERE ID = 2")).toInt());
    // Once the row is free, the same statement writes.
    EXPECT_EQ(1, waiter->execute(kUpdate, Params{{"f", "z"}}));
    EXPECT_EQ("z", holder->scalar(QStringLiteral("SELECT FUNKCJA FROM SKWZESPPOWYPADKOWY WHERE ID = 1")).toString());
}

// A relay between the client and the server that can stop passing anything on, as a
// server that stopped answering (its process paused) does.
class Relay {
public:
    explicit Relay(int serverPort) : m_serverPort(serverPort) {
        m_listen = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_listen, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::listen(m_listen, 8);
        socklen_t len = sizeof a;
        ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&a), &len);
        m_port = ntohs(a.sin_port);
        m_thread = std::thread([this] { loop(); });
    }
    ~Relay() {
        m_stop = true;
        m_thread.join();
        ::close(m_listen);
        for (int fd : m_fds) ::close(fd);
    }
    int port() const { return m_port; }
    void pause() { m_paused = true; }
    // Answering again, with the connections of before gone (as after a restart).
    void resume() { m_resume = true; }

private:
    void loop() {
        while (!m_stop) {
            if (m_resume.exchange(false)) {
                for (int fd : m_fds) ::close(fd);
                m_fds.clear();
                m_paused = false;
            }
            std::vector<pollfd> fds{{m_listen, POLLIN, 0}};
            if (!m_paused)
                for (int fd : m_fds) fds.push_back({fd, POLLIN, 0});
            if (::poll(fds.data(), fds.size(), 50) <= 0) continue;
            if (fds[0].revents & POLLIN) accept();
            for (size_t i = 1; i < fds.size(); ++i) {
                if (!(fds[i].revents & (POLLIN | POLLHUP))) continue;
                char buf[16384];
                const ssize_t n = ::read(fds[i].fd, buf, sizeof buf);
                const int other = peer(fds[i].fd);
                if (n <= 0) {
                    ::shutdown(other, SHUT_WR);
                    continue;
                }
                for (ssize_t sent = 0; sent < n;) {
                    const ssize_t w = ::write(other, buf + sent, size_t(n - sent));
                    if (w <= 0) break;
                    sent += w;
                }
            }
        }
    }
    void accept() {
        const int client = ::accept(m_listen, nullptr, nullptr);
        const int server = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = htons(uint16_t(m_serverPort));
        ::connect(server, reinterpret_cast<sockaddr*>(&a), sizeof a);
        m_fds.push_back(client);
        m_fds.push_back(server);
    }
    int peer(int fd) const {
        for (size_t i = 0; i < m_fds.size(); ++i)
            if (m_fds[i] == fd) return m_fds[i ^ 1];
        return -1;
    }

    int m_serverPort;
    int m_listen = -1;
    int m_port = 0;
    std::vector<int> m_fds;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_paused{false};
    std::atomic<bool> m_resume{false};
    std::thread m_thread;
};

TEST(DatabaseWait, AServerThatStopsAnsweringIsGivenUpAndConnectedAgainAfterwards) {
    if (testServerHost().isEmpty()) GTEST_SKIP() << "no Firebird server (ZORT_FB_SERVER)";
    const QString database = createServerDatabase();
    const QString path = database.section(QLatin1Char(':'), 1);
    Relay relay(3050);
    Connection c(QStringLiteral("relayed"));
    c.open(QStringLiteral("127.0.0.1/%1:%2").arg(relay.port()).arg(path), QString::fromLatin1(kDbUser),
           QString::fromLatin1(kDbPassword));
    c.execute(QStringLiteral("INSERT INTO SKWZESPPOWYPADKOWY (ID, IMNAZW, FUNKCJA) VALUES (1, 'Jan', 'x')"));

    Watcher watcher;
    Waiting settings(&watcher, 200, 4000);
    relay.pause();
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(WaitReason::NoAnswer, cancelledReason([&] { c.execute(kUpdate, Params{{"f", "z"}}); }));
    // The limit, then the connection closed when even the cancellation got no answer.
    EXPECT_GE(t.elapsed(), 4000);
    EXPECT_LT(t.elapsed(), 12000);
    ASSERT_FALSE(watcher.states.empty());
    EXPECT_EQ(WaitReason::NoAnswer, watcher.states.back().reason);

    // The server answers again: the next use opens the connection anew.
    relay.resume();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(1, c.execute(kUpdate, Params{{"f", "again"}}));
    EXPECT_EQ("again", c.scalar(QStringLiteral("SELECT FUNKCJA FROM SKWZESPPOWYPADKOWY WHERE ID = 1")).toString());
}

} // namespace
