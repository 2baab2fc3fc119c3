// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace Brolant {

class LiveState;

// The logger's figures for Prometheus (and so Grafana): /metrics in the Prometheus text format,
// each family with its HELP and TYPE, from what the page's "Now" contains. A figure not known yet
// (the readings before the first frame) is left out rather than given as 0.
namespace WebMetrics {

inline constexpr char kContentType[] = "text/plain; version=0.0.4; charset=utf-8";

QByteArray text(const LiveState &state);

} // namespace WebMetrics

} // namespace Brolant
