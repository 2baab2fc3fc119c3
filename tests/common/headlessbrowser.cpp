// SPDX-License-Identifier: GPL-3.0-or-later
#include "headlessbrowser.h"

#include "webclient.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

namespace {
constexpr int kStartMilliseconds = 30000;
constexpr int kAnswerMilliseconds = 30000;
constexpr int kWidestPhone = 800;
} // namespace

HeadlessBrowser::~HeadlessBrowser()
{
    // Asked to close, the browser ends its helpers before its profile is removed.
    if (m_socket.state() == QAbstractSocket::ConnectedState)
        command("Browser.close");
    m_socket.abort();
    if (m_process.state() != QProcess::NotRunning && !m_process.waitForFinished()) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

bool HeadlessBrowser::start()
{
    m_process.start("chromium", {"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                                 "--hide-scrollbars", "--user-data-dir=" + m_profile.path(),
                                 "--remote-debugging-port=0", "about:blank"});
    if (!m_process.waitForStarted())
        return false;
    // Chromium writes the port it took into its profile, then the browser's path.
    QFile portFile(m_profile.filePath("DevToolsActivePort"));
    QList<QByteArray> lines;
    const QDeadlineTimer deadline(kStartMilliseconds);
    const bool portWritten = QTest::qWaitFor(
        [&] {
            if (portFile.open(QIODevice::ReadOnly)) {
                lines = portFile.readAll().split('\n');
                portFile.close();
            }
            return lines.size() >= 2;
        },
        int(deadline.remainingTime()));
    const int port = lines.value(0).toInt();
    QString page;
    const auto pageFound = [&] {
        for (const QJsonValue target : QJsonDocument::fromJson(WebClient::get(port, "/json/list").body).array())
            if (target["type"] == "page")
                page = target["webSocketDebuggerUrl"].toString();
        return !page.isEmpty();
    };
    if (!portWritten || port <= 0 || !QTest::qWaitFor(pageFound, int(deadline.remainingTime())))
        return false;
    // The address names the host as it was asked for, without the port.
    QUrl pageUrl(page);
    pageUrl.setPort(port);
    QObject::connect(&m_socket, &QWebSocket::textMessageReceived, &m_socket, [this](const QString &text) {
        const QJsonObject message = QJsonDocument::fromJson(text.toUtf8()).object();
        if (message.contains("id"))
            m_answers.insert(message["id"].toInt(), message);
    });
    m_socket.open(pageUrl);
    return QTest::qWaitFor([this] { return m_socket.state() == QAbstractSocket::ConnectedState; },
                           int(deadline.remainingTime()));
}

QJsonObject HeadlessBrowser::command(const QString &method, const QJsonObject &parameters)
{
    const int id = ++m_lastId;
    m_socket.sendTextMessage(QJsonDocument(QJsonObject{{"id", id}, {"method", method}, {"params", parameters}})
                                 .toJson(QJsonDocument::Compact));
    if (!QTest::qWaitFor([this, id] { return m_answers.contains(id); }, kAnswerMilliseconds))
        return QJsonObject();
    return m_answers.take(id)["result"].toObject();
}

bool HeadlessBrowser::emulate(int width, int height, bool dark, const QString &language)
{
    if (!language.isEmpty()) {
        command("Network.enable");
        command("Network.setExtraHTTPHeaders", {{"headers", QJsonObject{{"Accept-Language", language}}}});
        command("Emulation.setLocaleOverride", {{"locale", language}});
    }
    command("Emulation.setDeviceMetricsOverride",
            {{"width", width}, {"height", height}, {"deviceScaleFactor", 1}, {"mobile", width < kWidestPhone}});
    command(
        "Emulation.setEmulatedMedia",
        {{"features", QJsonArray{QJsonObject{{"name", "prefers-color-scheme"}, {"value", dark ? "dark" : "light"}}}}});
    return m_socket.state() == QAbstractSocket::ConnectedState;
}

bool HeadlessBrowser::open(const QString &url)
{
    command("Page.navigate", {{"url", url}});
    return QTest::qWaitFor([this] { return evaluate("document.readyState") == "complete"; }, kAnswerMilliseconds);
}

QJsonValue HeadlessBrowser::evaluate(const QString &expression)
{
    const QJsonObject result = command("Runtime.evaluate",
                                       {{"expression", expression}, {"awaitPromise", true}, {"returnByValue", true}});
    if (result.contains("exceptionDetails"))
        return QJsonValue(QJsonValue::Undefined);
    return result["result"].toObject()["value"];
}
