// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QJsonObject>
#include <QJsonValue>
#include <QProcess>
#include <QTemporaryDir>
#include <QWebSocket>

// Headless Chromium driven through its DevTools protocol, as scripts/page-screenshot drives it:
// a screen of a phone's or a desktop's size, and what the page's own script finds on it. Headless
// Chromium lays a page out at least 500 pixels wide whatever its window, so the size is set
// through the protocol.
class HeadlessBrowser
{
public:
    HeadlessBrowser() = default;
    ~HeadlessBrowser();

    // Starts Chromium and connects to its page; false when it could not.
    bool start();
    // Lays pages out as a screen `width` by `height` pixels shows them (a touch screen below
    // 800), in the light or the dark colour scheme, for a user of `language` (a code such as
    // "de"; English without).
    bool emulate(int width, int height, bool dark = false, const QString &language = {});
    // Opens `url` and waits until it has loaded.
    bool open(const QString &url);
    // `expression` evaluated in the page (a promise awaited); undefined when it threw.
    QJsonValue evaluate(const QString &expression);

private:
    // The result of one command; empty when no answer came.
    QJsonObject command(const QString &method, const QJsonObject &parameters = {});

    QTemporaryDir m_profile;
    QProcess m_process;
    QWebSocket m_socket;
    int m_lastId = 0;
    QHash<int, QJsonObject> m_answers;
};
