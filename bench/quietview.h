#pragma once

#include "app/consoleview.h"

#include <QBuffer>
#include <QTextStream>

namespace Brolant {

// The headless logger's view with its output thrown away: measures the model without a screen.
class QuietView
{
public:
    QuietView() { m_sink.open(QIODevice::WriteOnly); }
    operator MainWindowView &() { return m_view; }

private:
    QBuffer m_sink;
    QTextStream m_stream{&m_sink};
    ConsoleView m_view{m_stream, m_stream};
};

} // namespace Brolant
