// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/ratelimiter.h"

#include <algorithm>

namespace Brolant {

namespace {
// Clients are forgotten once in so many requests: often enough to stay small, seldom enough to cost nothing.
constexpr int kForgetEvery = 256;
} // namespace

double RateLimiter::refilled(const Bucket &bucket, MonotonicTime now) const
{
    const double seconds = std::chrono::duration<double>(now - bucket.at).count();
    return std::min(double(m_burst), bucket.tokens + std::max(0.0, seconds) * m_perSecond);
}

bool RateLimiter::allows(const QHostAddress &client, MonotonicTime now)
{
    if (++m_sinceForgetting >= kForgetEvery)
        forgetFull(now);
    auto found = m_buckets.find(client);
    if (found == m_buckets.end())
        found = m_buckets.insert(client, Bucket{double(m_burst), now});
    Bucket &bucket = *found;
    bucket.tokens = refilled(bucket, now);
    bucket.at = now;
    if (bucket.tokens < 1.0)
        return false;
    bucket.tokens -= 1.0;
    return true;
}

void RateLimiter::forgetFull(MonotonicTime now)
{
    m_sinceForgetting = 0;
    m_buckets.removeIf([&](const auto &entry) { return refilled(entry.value(), now) >= m_burst; });
}

} // namespace Brolant
