#pragma once
// A test server (one of the python scripts beside this file) run on
// 127.0.0.1 for as long as the object lives, stopped by its process id.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

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
    // The same over TLS: makes a throwaway certificate for 127.0.0.1 (kept
    // as long as the object) and passes it to the script with "--tls". A
    // client trusts the server only when it trusts certificateFile().
    bool startTls(const QString& script, const QStringList& arguments);
    QString certificateFile() const;
    void stop();
    int port() const { return port_; }
    QString error() const { return error_; }

    // A port on 127.0.0.1 where nothing listens (just freed).
    static int unusedPort();

    // Makes a self-signed certificate for 127.0.0.1 and its key (PEM) in
    // `folder` with openssl. False (with the reason in `error`) when it failed.
    static bool makeThrowawayCertificate(const QString& folder, QString* certificate,
                                         QString* key, QString* error);

private:
    QProcess process_;
    int port_ = 0;
    QString error_;
    std::unique_ptr<QTemporaryDir> tlsDir_;
};

}  // namespace testsupport
