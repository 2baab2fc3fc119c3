// SPDX-License-Identifier: GPL-3.0-or-later
#include "loopback.h"

#include <QFile>
#include <QProcess>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr int kToolMilliseconds = 10000;
} // namespace

namespace Loopback {

int freePort()
{
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(probe, reinterpret_cast<sockaddr *>(&address), sizeof address);
    ::getsockname(probe, reinterpret_cast<sockaddr *>(&address), &length);
    ::close(probe);
    return ntohs(address.sin_port);
}

bool listens(int port)
{
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(quint16(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool connected = ::connect(probe, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::close(probe);
    return connected;
}

bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(kToolMilliseconds) && process.exitCode() == 0;
}

bool makeCertificates(const QString &folder)
{
    return run("openssl", {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
                           "/CN=Brolant test CA", "-keyout", folder + "/ca.key", "-out", folder + "/ca.crt"})
           && makeSignedCertificate(folder, "server", "/CN=localhost", "subjectAltName=IP:127.0.0.1,DNS:localhost\n");
}

bool makeSignedCertificate(const QString &folder, const QString &name, const QString &subject,
                           const QByteArray &extensions)
{
    const QString path = folder + u'/' + name;
    QFile extensionFile(path + ".ext");
    const bool written = extensionFile.open(QIODevice::WriteOnly)
                         && extensionFile.write(extensions) == extensions.size();
    extensionFile.close();
    return written
           && run("openssl", {"req", "-newkey", "rsa:2048", "-nodes", "-subj", subject, "-keyout", path + ".key",
                              "-out", path + ".csr"})
           && run("openssl",
                  {"x509", "-req", "-in", path + ".csr", "-CA", folder + "/ca.crt", "-CAkey", folder + "/ca.key",
                   "-CAcreateserial", "-days", "2", "-extfile", path + ".ext", "-out", path + ".crt"});
}

} // namespace Loopback
