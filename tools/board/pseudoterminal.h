// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// A pseudo-terminal whose slave side plays the board's serial device, reachable through a link
// at a path of the caller's choice (for example a program folder's COM1).
class PseudoTerminal
{
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    // Creates the terminal and the link; on failure returns false with the reason in `error`.
    bool open(const QString &linkPath, QString *error);
    QString slavePath() const { return m_slavePath; }
    // Writes without blocking; returns false when the line's buffer is full (nobody reads).
    bool write(const QByteArray &bytes);

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
    QString m_linkPath;
};
