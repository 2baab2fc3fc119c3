// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <chrono>

namespace Brolant {

// What the web page's server accepts from its clients before it refuses them: a page for the
// house's phones and laptops never comes near these, a broken or hostile client soon does.
struct WebLimits
{
    int connections = 128; // open at once, page requests and pushes together
    int pushClients = 100;
    // A quarter of the connections: one address (a broken script, a hostile client) cannot
    // monopolise the page.
    int fromOneAddress = 32;
    qint64 largestHead = 8 * 1024; // the request line and the headers
    qint64 largestBody = 1024;     // the page asks with GET only: no request needs a body
    // From a request's first byte to its last; a client that sends more slowly is cut off.
    std::chrono::milliseconds requestWithin{10'000};
    // A kept connection that asks nothing for this long is closed.
    std::chrono::milliseconds idleFor{30'000};
    // Requests a client may make at once, and how many more each second allows.
    int burst = 120;
    double perSecond = 20.0;
    // What may wait unsent for a push client before it is treated as gone.
    qint64 pushBacklog = 256 * 1024;
    // Reads of logs waiting or under way; more are asked to come back shortly.
    int pendingReads = 8;
    // A day's log larger than this is not turned into a page's data (a day logged every second is 7 MB).
    qint64 largestDayLog = 16 * 1024 * 1024;
    // The most days one request may read.
    int longestRange = 366;
    // How often a port another program uses is tried again.
    std::chrono::milliseconds portRetry{30'000};
};

} // namespace Brolant
