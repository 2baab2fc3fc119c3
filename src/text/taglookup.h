// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace Brolant {

// The one rule for <X>value</X> in configuration files, frames and log records: the value is the
// text between the first opening tag and the first closing tag. Works on any text view
// (QStringView, QByteArrayView) with tags of a matching kind.
namespace TagLookup {

enum class Outcome
{
    Missing,  // either tag does not occur
    Reversed, // the closing tag comes before the end of the opening tag
    Found,
};

template <typename View>
struct Result
{
    Outcome outcome = Outcome::Missing;
    View value;

    bool found() const { return outcome == Outcome::Found; }
};

template <typename View, typename Tag>
Result<View> between(View text, const Tag &opening, const Tag &closing)
{
    const qsizetype open = text.indexOf(opening);
    const qsizetype close = text.indexOf(closing);
    if (open < 0 || close < 0)
        return {};
    const qsizetype start = open + qsizetype(opening.size());
    if (close < start)
        return {Outcome::Reversed, View()};
    return {Outcome::Found, text.sliced(start, close - start)};
}

} // namespace TagLookup

} // namespace Brolant
