#include "support/LocalServer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace testsupport {

namespace {

// Runs openssl with `arguments`; false with its output in `error` when it
// failed.
bool RunOpenssl(const QStringList& arguments, QString* error) {
    QProcess openssl;
    openssl.setProcessChannelMode(QProcess::MergedChannels);
    openssl.start("openssl", arguments);
    openssl.closeWriteChannel();
    if (!openssl.waitForFinished(30000) || openssl.exitStatus() != QProcess::NormalExit ||
        openssl.exitCode() != 0) {
        if (error)
            *error = "openssl: " + openssl.errorString() + " " +
                     QString::fromLocal8Bit(openssl.readAll());
        if (openssl.state() != QProcess::NotRunning) {
            openssl.kill();
            openssl.waitForFinished(5000);
        }
        return false;
    }
    return true;
}

const QStringList EcKey{"-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes"};

// The system's python, where the Debian test packages (aiosmtpd) live.
QString Python() {
    if (QFileInfo::exists("/usr/bin/python3"))
        return "/usr/bin/python3";
    return "python3";
}

}  // namespace

LocalServer::~LocalServer() { stop(); }

bool LocalServer::start(const QString& script, const QStringList& arguments) {
    stop();
    const QString path = QStringLiteral(DROVIK_SOURCE_DIR) + "/tests/support/" + script;
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.start(Python(), QStringList{"-u", path} + arguments);
    if (!process_.waitForStarted(10000)) {
        error_ = process_.errorString();
        return false;
    }
    QByteArray out;
    QElapsedTimer clock;
    clock.start();
    while (!out.contains('\n') && clock.elapsed() < 15000) {
        if (process_.state() != QProcess::Running)
            break;
        process_.waitForReadyRead(200);
        out += process_.readAllStandardOutput();
    }
    const QByteArray line = out.left(out.indexOf('\n')).trimmed();
    if (!line.startsWith("PORT ")) {
        error_ = QString::fromLocal8Bit(out + process_.readAllStandardError());
        stop();
        return false;
    }
    port_ = line.mid(5).toInt();
    return port_ > 0;
}

bool LocalServer::startTls(const QString& script, const QStringList& arguments) {
    stop();
    tlsDir_ = std::make_unique<QTemporaryDir>();
    QString certificate;
    QString key;
    if (!tlsDir_->isValid() ||
        !makeThrowawayCertificate(tlsDir_->path(), &certificate, &key, &error_))
        return false;
    return start(script, arguments + QStringList{"--tls", certificate, key});
}

QString LocalServer::certificateFile() const {
    return tlsDir_ ? tlsDir_->filePath("cert.pem") : QString();
}

bool LocalServer::startTls(const QString& script, const QStringList& arguments,
                           CertificateFault fault) {
    if (fault == CertificateFault::SelfSigned)
        return startTls(script, arguments);
    stop();
    tlsDir_ = std::make_unique<QTemporaryDir>();
    if (!tlsDir_->isValid() || !makeFaultyCertificate(tlsDir_->path(), fault, &error_))
        return false;
    // certificateFile() names the authority.
    QFile::copy(tlsDir_->filePath("ca.pem"), tlsDir_->filePath("cert.pem"));
    return start(script, arguments + QStringList{"--tls", tlsDir_->filePath("server.pem"),
                                                 tlsDir_->filePath("server-key.pem")});
}

bool LocalServer::makeThrowawayCertificate(const QString& folder, QString* certificate,
                                           QString* key, QString* error) {
    const QString cert = folder + "/cert.pem";
    const QString keyFile = folder + "/key.pem";
    if (!RunOpenssl(QStringList{"req", "-x509"} + EcKey +
                        QStringList{"-days", "2", "-subj", "/CN=127.0.0.1", "-addext",
                                    "subjectAltName=IP:127.0.0.1", "-keyout", keyFile, "-out", cert},
                    error))
        return false;
    if (certificate)
        *certificate = cert;
    if (key)
        *key = keyFile;
    return true;
}

bool LocalServer::makeFaultyCertificate(const QString& folder, CertificateFault fault,
                                        QString* error) {
    const QString ca = folder + "/ca.pem", caKey = folder + "/ca-key.pem";
    const QString request = folder + "/server.csr", extensions = folder + "/server.ext";
    QFile ext(extensions);
    if (!ext.open(QIODevice::WriteOnly))
        return false;
    ext.write(fault == CertificateFault::OtherHost ? "subjectAltName=DNS:elders.example\n"
                                                   : "subjectAltName=IP:127.0.0.1\n");
    ext.close();
    // An expiry before its start: expired from the moment it is made.
    const QString days = fault == CertificateFault::Expired ? "-1" : "2";
    const QString host = fault == CertificateFault::OtherHost ? "elders.example" : "127.0.0.1";
    return RunOpenssl(QStringList{"req", "-x509"} + EcKey +
                          QStringList{"-days", "2", "-subj", "/CN=Drovik test authority", "-addext",
                                      "basicConstraints=critical,CA:TRUE", "-addext",
                                      "keyUsage=critical,keyCertSign,cRLSign", "-keyout", caKey,
                                      "-out", ca},
                      error) &&
           RunOpenssl(QStringList{"req", "-new"} + EcKey +
                          QStringList{"-subj", "/CN=" + host, "-keyout", folder + "/server-key.pem",
                                      "-out", request},
                      error) &&
           RunOpenssl({"x509", "-req", "-in", request, "-CA", ca, "-CAkey", caKey, "-set_serial", "2",
                       "-days", days, "-extfile", extensions, "-out", folder + "/server.pem"},
                      error);
}

void LocalServer::stop() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();  // signals exactly this child, by its process id
        process_.waitForFinished(5000);
    }
    port_ = 0;
}

int LocalServer::unusedPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    int port = 0;
    if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    if (fd >= 0)
        ::close(fd);
    return port;
}

}  // namespace testsupport
