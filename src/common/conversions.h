#pragma once
// Strict text-to-number and text-to-date conversions in the program's locale.
// A failed conversion throws ConversionError carrying the German message the
// user sees; window handlers catch it at their edge and show it as an error box.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <exception>

class ConversionError : public std::exception {
public:
    explicit ConversionError(QString message) : m_message(std::move(message)) {}
    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return "conversion error"; }

private:
    QString m_message;
};

QString integerErrorMessage(const QString& text);
QString floatErrorMessage(const QString& text);
QString dateErrorMessage(const QString& text);

// Decimal integer, optional sign, surrounding blanks allowed, 32-bit range.
int strToInt(const QString& text);
bool tryStrToInt(const QString& text, int& value);

// Decimal number with the locale's decimal separator; no group separators.
double strToFloat(const QString& text);
bool tryStrToFloat(const QString& text, double& value);

// Day.month.year: one- or two-digit day and month, two- or four-digit year,
// optionally followed by a time hh:mm[:ss]. Two-digit years fall into the
// century window of 50 years before and 49 after the reference year.
QDateTime strToDateTime(const QString& text, int referenceYear = QDate::currentDate().year());
QDate strToDate(const QString& text, int referenceYear = QDate::currentDate().year());
bool tryStrToDate(const QString& text, QDate& value,
                  int referenceYear = QDate::currentDate().year());

// A km value typed as text: blank is 0; otherwise only digits and commas are
// kept and the rest is converted as an integer ("12.345" gives 12345).
int kmValue(const QString& text);
// The digits-and-commas form of a km text.
QString kmDigits(const QString& text);

// Shows the date as the program stores it: dd.MM.yyyy.
QString formatDate(const QDate& date);
