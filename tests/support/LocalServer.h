#pragma once
// A test server (one of the python scripts beside this file) run on
// 127.0.0.1 for as long as the object lives, stopped by its process id.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace testsupport {

// What is wrong with the certificate a TLS server shows: nothing but that
// no one vouches for it (self-signed), or, vouched for by a throwaway
// authority, that it has expired or is made out for another host.
enum class CertificateFault { SelfSigned, Expired, OtherHost };

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
    // The same with a certificate signed by a throwaway authority, which is
    // then certificateFile(): trusting it, a client meets only `fault`.
    bool startTls(const QString& script, const QStringList& arguments, CertificateFault fault);
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
    // Makes a throwaway authority (ca.pem) and, signed by it, a certificate
    // (server.pem, key server-key.pem) with `fault`, in `folder`.
    static bool makeFaultyCertificate(const QString& folder, CertificateFault fault, QString* error);

private:
    QProcess process_;
    int port_ = 0;
    QString error_;
    std::unique_ptr<QTemporaryDir> tlsDir_;
};

}  // namespace testsupport
