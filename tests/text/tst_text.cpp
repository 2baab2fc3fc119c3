// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/datetext.h"
#include "text/numbermask.h"
#include "text/numerictext.h"
#include "text/rounding.h"
#include "text/windspeedunit.h"

#include <QDate>
#include <QTest>

#include <cmath>
#include <limits>

using namespace Brolant;

class TextTest : public QObject
{
    Q_OBJECT

private slots:
    void numericText_data();
    void numericText();
    void wholeNumbers_data();
    void wholeNumbers();
    void leadingNumber_data();
    void leadingNumber();
    void masks_data();
    void masks();
    void halfEven_data();
    void halfEven();
    void dateAndTime();
    void windSpeedUnits_data();
    void windSpeedUnits();
};

void TextTest::numericText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");

    QTest::newRow("whole") << "650" << true << 650.0;
    QTest::newRow("blanks around") << "  12.5 " << true << 12.5;
    QTest::newRow("tab around") << "\t7\t" << true << 7.0;
    QTest::newRow("plus sign") << "+3" << true << 3.0;
    QTest::newRow("minus sign") << "-1" << true << -1.0;
    QTest::newRow("leading point") << ".5" << true << 0.5;
    QTest::newRow("trailing point") << "5." << true << 5.0;
    QTest::newRow("exponent") << "1.5e3" << true << 1500.0;
    QTest::newRow("capital signed exponent") << "25E-1" << true << 2.5;
    QTest::newRow("underflow is zero") << "1e-999" << true << 0.0;
    QTest::newRow("tiny without exponent") << "0." + QString(400, u'0') + "1" << true << 0.0;
    QTest::newRow("10,000 digits overflow") << QString(10000, u'9') << false << 0.0;
    QTest::newRow("overflow exponent") << "1e999" << false << 0.0;
    QTest::newRow("huge exponent digits") << "1e" + QString(5000, u'9') << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks only") << "   " << false << 0.0;
    QTest::newRow("point only") << "." << false << 0.0;
    QTest::newRow("sign only") << "-" << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << false << 0.0;
    QTest::newRow("comma decimal") << "1,5" << false << 0.0;
    QTest::newRow("blank inside") << "1 2" << false << 0.0;
    QTest::newRow("exponent without digits") << "1e" << false << 0.0;
    QTest::newRow("nan text") << "nan" << false << 0.0;
    QTest::newRow("inf text") << "inf" << false << 0.0;
    QTest::newRow("hex") << "0x10" << false << 0.0;
    QTest::newRow("COM1") << "COM1" << false << 0.0;
    QTest::newRow("NUL byte") << QString::fromLatin1("1\0", 2) << false << 0.0;
    QTest::newRow("non-ASCII digit") << QString::fromUtf8("\u0661") << false << 0.0;
    QTest::newRow("Latin-1 byte") << QString::fromLatin1("\xb5") << false << 0.0;
}

void TextTest::numericText()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    QCOMPARE(NumericText::isNumber(text), isNumber);
    QCOMPARE(NumericText::valueOrZero(text), value);
}

void TextTest::wholeNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -99999: no value

    QTest::newRow("plain") << "1" << 1;
    QTest::newRow("blanks") << " 2 " << 2;
    QTest::newRow("half rounds to even down") << "2.5" << 2;
    QTest::newRow("half rounds to even up") << "1.5" << 2;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("largest") << "32767" << 32767;
    QTest::newRow("too large") << "32768" << -99999;
    QTest::newRow("not a number") << "COM1" << -99999;
    QTest::newRow("empty") << "" << -99999;
}

void TextTest::wholeNumbers()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const auto value = NumericText::toInt16(text);
    QCOMPARE(value ? int(*value) : -99999, expected);
}

void TextTest::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("number") << "5" << 5.0;
    QTest::newRow("number then text") << "2.5 s" << 2.5;
    QTest::newRow("blanks first") << "  9x" << 9.0;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
}

void TextTest::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(NumericText::leadingNumber(text), expected);
}

void TextTest::masks_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("expected");

    QTest::newRow("below one has no leading digit") << 0.5 << "##.00"
                                                    << ".50";
    QTest::newRow("zero with decimals") << 0.0 << "##.00"
                                        << ".00";
    QTest::newRow("zero under all-# mask is empty") << 0.0 << "####"
                                                    << "";
    QTest::newRow("zero with a 0 before the point") << 0.0 << "##0.0"
                                                    << "0.0";
    QTest::newRow("half away from zero, whole") << 499.5 << "##0"
                                                << "500";
    QTest::newRow("half away from zero, one decimal") << 0.25 << "##0.0"
                                                      << "0.3";
    QTest::newRow("wind speed half") << 4.5 << "##0"
                                     << "5";
    QTest::newRow("two decimals") << 12.345 << "##.00"
                                  << "12.35";
    QTest::newRow("volts") << 13.0 << "##.00"
                           << "13.00";
    QTest::newRow("integer part never cut") << 12345.0 << "####"
                                            << "12345";
    QTest::newRow("negative") << -3.25 << "##0.0"
                              << "-3.3";
    QTest::newRow("negative below one") << -0.5 << "##.00"
                                        << "-.50";
    QTest::newRow("negative rounding to zero has no sign") << -0.04 << "##0.0"
                                                           << "0.0";
    QTest::newRow("energy below one") << 0.44 << "#####.0"
                                      << ".4";
    QTest::newRow("energy") << 1234.56 << "######.0"
                            << "1234.6";
    QTest::newRow("second decimal always 0") << 5.3 << "###.00"
                                             << "5.30";
    QTest::newRow("optional decimals trimmed") << 1.5 << "0.0#"
                                               << "1.5";
    QTest::newRow("two-digit day") << 7.0 << "00"
                                   << "07";
    QTest::newRow("huge value") << 1e20 << "##0"
                                << "100000000000000000000";
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << "0"
                                    << QString::number(std::numeric_limits<double>::max(), 'f', 0);
    QTest::newRow("not a number shows zero") << std::nan("") << "##0.0"
                                             << "0.0";
    QTest::newRow("infinity shows zero") << std::numeric_limits<double>::infinity() << "##0"
                                         << "0";
    QTest::newRow("no placeholders") << 5.0 << ""
                                     << "5";
    QTest::newRow("other characters left out") << 5.0 << "x#0y"
                                               << "5";
    QTest::newRow("many decimals") << 0.125 << "0." + QString(40, u'0') << "0.125" + QString(37, u'0');
}

void TextTest::masks()
{
    QFETCH(double, value);
    QFETCH(QString, mask);
    QFETCH(QString, expected);
    QCOMPARE(NumberMask::format(value, mask), expected);
}

void TextTest::halfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("expected");

    QTest::newRow("half to even down") << 2.125 << 2 << 2.12;
    QTest::newRow("half to even up") << 3.25 << 1 << 3.2;
    QTest::newRow("worked example amps") << 3.25 << 2 << 3.25;
    QTest::newRow("rpm") << 300.0 << 1 << 300.0;
    QTest::newRow("whole half even") << 2.5 << 0 << 2.0;
    QTest::newRow("negative half") << -2.5 << 0 << -2.0;
    QTest::newRow("not a half") << 12.976 << 2 << 12.98;
    QTest::newRow("beyond fractions") << 1e300 << 2 << 1e300;
}

void TextTest::halfEven()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(double, expected);
    QCOMPARE(Rounding::halfEven(value, decimals), expected);
}

void TextTest::windSpeedUnits_data()
{
    QTest::addColumn<QString>("units");
    QTest::addColumn<double>("metresPerSecond"); // 0: not a known unit
    QTest::newRow("m/s") << "m/s" << 1.0;
    QTest::newRow("km/h, blanks and case ignored") << " KM / h" << 1 / 3.6;
    QTest::newRow("kph") << "kph" << 1 / 3.6;
    QTest::newRow("mph") << "MPH" << 0.44704;
    QTest::newRow("knots") << "Knots" << 1852.0 / 3600;
    QTest::newRow("kn") << "kn" << 1852.0 / 3600;
    QTest::newRow("kts") << "kts" << 1852.0 / 3600;
    QTest::newRow("ft/s") << "ft/s" << 0.3048;
    QTest::newRow("a sensor's own count") << "pulses" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
}

void TextTest::windSpeedUnits()
{
    QFETCH(QString, units);
    QFETCH(double, metresPerSecond);
    const auto known = WindSpeedUnit::toMetresPerSecond(units);
    QCOMPARE(known.has_value(), metresPerSecond != 0.0);
    if (known)
        QCOMPARE(*known, metresPerSecond);
}

void TextTest::dateAndTime()
{
    QCOMPARE(DateText::dateStamp(QDate(2010, 3, 7)), QStringLiteral("2010_03_07"));
    QCOMPARE(DateText::dateStamp(QDate(2026, 12, 31)), QStringLiteral("2026_12_31"));
    QCOMPARE(DateText::hourMinute(QTime(9, 5, 59)), QStringLiteral("09:05"));
    QCOMPARE(DateText::hourMinute(QTime(23, 59)), QStringLiteral("23:59"));
}

QTEST_APPLESS_MAIN(TextTest)
#include "tst_text.moc"
