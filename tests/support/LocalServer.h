#pragma once
// A test server (one of the python scripts beside this file) run on
// 127.0.0.1 for as long as the object lives, stopped by its process id.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace testsupport {

class LocalServer {
public:
    LocalServer() = default;
    ~LocalServer();
    LocalServer(const LocalServer&) = delete;
    LocalServer& operator=(const LocalServer&) = delete;

    // Starts tests/support/<script> with the arguments and waits for the
    // port it listens on. False (with the reason in error()) when it failed.
    bool start(const QString& script, const QStringList& arguments);
    void stop();
    int port() const { return port_; }
    QString error() const { return error_; }

    // A port on 127.0.0.1 where nothing listens (just freed).
    static int unusedPort();

private:
    QProcess process_;
    int port_ = 0;
    QString error_;
};

}  // namespace testsupport
