#include "store/settings_cipher.h"

#include <cmath>

namespace {

QByteArray shiftBytes(const QByteArray& in, const QByteArray& key, int direction)
{
    if (key.isEmpty())
        return in;
    QByteArray out(in.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < in.size(); ++i) {
        const int shifted = static_cast<unsigned char>(in[i]) +
                            direction * static_cast<unsigned char>(key[i % key.size()]);
        out[i] = static_cast<char>(static_cast<unsigned char>(shifted & 0xFF));
    }
    return out;
}

bool isPrintableAscii(QChar c)
{
    return c.unicode() > 32 && c.unicode() <= 126;
}

} // namespace

QByteArray encipher(const QByteArray& plain, const QByteArray& key)
{
    return shiftBytes(plain, key, +1);
}

QByteArray decipher(const QByteArray& ciphered, const QByteArray& key)
{
    return shiftBytes(ciphered, key, -1);
}

bool isEnciphered(const QString& text)
{
    // The removals run in this order on purpose: taking out a line end or a tab
    // can bring the letters of "kqo" together, and taking out "kqo" can do so
    // for blanks; reordering them would change the verdict on odd files.
    QString t2 = text;
    t2.remove(QStringLiteral("\r\n"));
    t2.remove(u'\t');
    t2.remove(QStringLiteral("kqo"), Qt::CaseInsensitive);
    t2.remove(u' ');

    QString t1;
    t1.reserve(t2.size());
    for (const QChar c : t2) {
        if (isPrintableAscii(c))
            t1 += c;
    }
    if (t1 == t2)
        return false;
    // The nearest integer with exact halves going to the even neighbour.
    const qsizetype threshold = static_cast<qsizetype>(std::nearbyint(t2.size() / 1.4));
    return t1.isEmpty() || t1.size() < threshold;
}
