// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/clock.h"

#include <QHash>
#include <QHostAddress>

namespace Brolant {

// How many requests each client may make: a burst at once, then a steady rate (a bucket of
// tokens per client address, refilled with time). Clients whose bucket is full again are
// forgotten, so the table does not grow with clients that come and go.
class RateLimiter
{
public:
    RateLimiter(int burst, double perSecond) : m_burst(burst), m_perSecond(perSecond) {}

    // Whether `client` may make one more request now; counts it when it may.
    bool allows(const QHostAddress &client, MonotonicTime now);
    int clients() const { return int(m_buckets.size()); }

private:
    struct Bucket
    {
        double tokens = 0.0;
        MonotonicTime at;
    };
    double refilled(const Bucket &bucket, MonotonicTime now) const;
    void forgetFull(MonotonicTime now);

    int m_burst;
    double m_perSecond;
    QHash<QHostAddress, Bucket> m_buckets;
    int m_sinceForgetting = 0;
};

} // namespace Brolant
