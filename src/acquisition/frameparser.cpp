// SPDX-License-Identifier: GPL-3.0-or-later
#include "acquisition/frameparser.h"

#include "text/numerictext.h"
#include "text/taglookup.h"

namespace Brolant {

namespace FrameParser {
namespace {

struct Field
{
    bool present = false; // both tags occur
    QStringView text;
};

struct Tag
{
    char name;
    QLatin1StringView opening;
    QLatin1StringView closing;
};
constexpr Tag kV{'V', QLatin1StringView("<V>"), QLatin1StringView("</V>")};
constexpr Tag kI{'I', QLatin1StringView("<I>"), QLatin1StringView("</I>")};
constexpr Tag kR{'R', QLatin1StringView("<R>"), QLatin1StringView("</R>")};
constexpr Tag kM{'M', QLatin1StringView("<M>"), QLatin1StringView("</M>")};
constexpr Tag kS{'S', QLatin1StringView("<S>"), QLatin1StringView("</S>")};
constexpr Tag kC{'C', QLatin1StringView("<C>"), QLatin1StringView("</C>")};

// The text between the first opening tag and the first closing tag; empty when either is
// missing. A closing tag before the opening one is a failure of the whole frame.
std::optional<Field> extract(QStringView frame, const Tag &tag)
{
    const auto found = TagLookup::between(frame, tag.opening, tag.closing);
    switch (found.outcome) {
    case TagLookup::Outcome::Missing:
        return Field{};
    case TagLookup::Outcome::Reversed:
        return std::nullopt;
    case TagLookup::Outcome::Found:
        break;
    }
    return Field{true, found.value};
}

class Reader
{
public:
    explicit Reader(QStringView frame) : m_frame(frame) {}

    // Reads a field's value (0 unless it is a number); false when the frame must stop.
    bool read(const Tag &tag, Problem problem, double &value, Field *field = nullptr)
    {
        const auto found = extract(m_frame, tag);
        if (!found) {
            m_parsed.findings.append(
                {problem, QStringLiteral("closing tag </%1> before its opening tag").arg(QLatin1Char(tag.name)), true});
            return false;
        }
        value = NumericText::valueOrZero(found->text);
        if (field)
            *field = *found;
        return true;
    }

    // V and I must carry a reading: an empty field, a missing one or exactly "0" is suspicious.
    bool readReading(const Tag &tag, Problem problem, double &value)
    {
        Field field;
        if (!read(tag, problem, value, &field))
            return false;
        if (field.text.isEmpty() || field.text == QLatin1String("0"))
            note(problem);
        return true;
    }

    void note(Problem problem) { m_parsed.findings.append({problem, QString(), false}); }

    ParsedFrame &parsed() { return m_parsed; }

private:
    QStringView m_frame;
    ParsedFrame m_parsed;
};

} // namespace

ParsedFrame parse(QStringView frame)
{
    Reader reader(frame);
    FrameValues &values = reader.parsed().values;
    if (!reader.readReading(kV, Problem::CorruptVolts, values.v)
        || !reader.readReading(kI, Problem::CorruptAmps, values.i) || !reader.read(kR, Problem::CorruptRevs, values.r)
        || !reader.read(kM, Problem::CorruptRevs, values.m) || !reader.read(kS, Problem::CorruptRevs, values.s))
        return reader.parsed();

    Field checksum;
    if (!reader.read(kC, Problem::ChecksumError, values.c, &checksum))
        return reader.parsed();
    // Only a numeric checksum that was sent is checked; a frame without one is used as it is.
    if (checksum.present && NumericText::isNumber(checksum.text)
        && values.c != values.v + values.i + values.r + values.s)
        reader.note(Problem::ChecksumError);
    return reader.parsed();
}

} // namespace FrameParser

} // namespace Brolant
