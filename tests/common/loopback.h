// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What tests of servers on this machine share: a free loopback port, whether something listens
// on one, the tools they run, and certificates of their own.
namespace Loopback {

// A port nobody listens on now: the system's pick for a throwaway socket.
int freePort();
bool listens(int port);
// Runs a tool to its end; true when it succeeded.
bool run(const QString &program, const QStringList &arguments);
// A certificate authority (ca.crt, ca.key) and a server certificate it signed for 127.0.0.1 and
// localhost (server.crt, server.key), made in `folder` with openssl.
bool makeCertificates(const QString &folder);
// `name`.crt and its key `name`.key for `subject`, with openssl's `extensions`, signed by the
// authority makeCertificates() made in `folder`.
bool makeSignedCertificate(const QString &folder, const QString &name, const QString &subject,
                           const QByteArray &extensions);

} // namespace Loopback
