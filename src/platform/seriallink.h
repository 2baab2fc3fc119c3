#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// The board's serial line as the program uses it: opened by port number, read whole, never
// written to.
class SerialLink : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Opens port `portNumber` at `baudRate` with no parity, 8 data bits and 1 stop bit.
    // On failure returns false and a description of why in `error`.
    virtual bool open(int portNumber, int baudRate, QString *error) = 0;
    // Opens again, at the same speed, the very device the last open() found (following a link
    // afresh), never another device that happens to have the same number.
    virtual bool reopen(QString *error) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Everything waiting, removed from the port's buffer.
    virtual QByteArray readAll() = 0;

signals:
    void dataArrived();
    // The open port stopped working (for example a USB adapter was pulled out).
    void failed(const QString &description);
};
