#include "common/text_file.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const QByteArray utf8Bom("\xEF\xBB\xBF", 3);
const QByteArray utf16LeBom("\xFF\xFE", 2);
const QByteArray utf16BeBom("\xFE\xFF", 2);

QString decodeWindows1252(QByteArrayView bytes)
{
    QStringDecoder decoder("windows-1252");
    return decoder(bytes);
}

QByteArray encodeWindows1252(const QString& text)
{
    QStringEncoder encoder("windows-1252");
    QByteArray bytes = encoder(text);
    // The encoder marks characters it cannot hold with the substitute byte 0x1A;
    // Windows writes "?" for them. Redo character by character only when needed.
    if (!bytes.contains('\x1A'))
        return bytes;
    QByteArray fixed;
    fixed.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() == 0x1A) {
            fixed += '\x1A';
            continue;
        }
        QStringEncoder single("windows-1252");
        const QByteArray b = single(QString(c));
        fixed += (b.size() == 1 && b[0] != '\x1A') ? b : QByteArray("?");
    }
    return fixed;
}

} // namespace

QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QString decodeText(const QByteArray& bytes, TextEncoding* encoding)
{
    TextEncoding found = TextEncoding::Windows1252;
    QString text;
    if (bytes.startsWith(utf8Bom)) {
        found = TextEncoding::Utf8Bom;
        text = QString::fromUtf8(bytes.mid(3));
    } else if (bytes.startsWith(utf16LeBom)) {
        found = TextEncoding::Utf16LeBom;
        QStringDecoder decoder(QStringConverter::Utf16LE);
        text = decoder(QByteArrayView(bytes).sliced(2));
    } else if (bytes.startsWith(utf16BeBom)) {
        found = TextEncoding::Utf16BeBom;
        QStringDecoder decoder(QStringConverter::Utf16BE);
        text = decoder(QByteArrayView(bytes).sliced(2));
    } else {
        text = decodeWindows1252(bytes);
    }
    if (encoding)
        *encoding = found;
    return text;
}

QByteArray encodeText(const QString& text, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8Bom:
        return utf8Bom + text.toUtf8();
    case TextEncoding::Utf16LeBom: {
        QStringEncoder encoder(QStringConverter::Utf16LE);
        return utf16LeBom + QByteArray(encoder(text));
    }
    case TextEncoding::Utf16BeBom: {
        QStringEncoder encoder(QStringConverter::Utf16BE);
        return utf16BeBom + QByteArray(encoder(text));
    }
    case TextEncoding::Windows1252:
        break;
    }
    return encodeWindows1252(text);
}

bool readTextFile(const QString& path, TextFile& file, QString* error)
{
    file = TextFile{};
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        if (error)
            *error = in.errorString();
        return false;
    }
    file.lines = splitLines(decodeText(in.readAll(), &file.encoding));
    return true;
}

bool writeBytesAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    // Unbuffered, so that a short write (a full disk) is seen here: a buffered
    // QSaveFile can commit a truncated file and report success.
    QSaveFile out(path);
    bool ok = out.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (qsizetype done = 0; ok && done < bytes.size();) {
        const qint64 written = out.write(bytes.constData() + done, bytes.size() - done);
        ok = written > 0;
        done += ok ? written : 0;
    }
    if (ok && out.commit())
        return true;
    if (error)
        *error = out.errorString();
    return false;
}

bool writeTextLines(const QString& path, const QStringList& lines, TextEncoding encoding,
                    QString* error)
{
    QString text;
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    text.reserve(size);
    for (const QString& line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return writeBytesAtomically(path, encodeText(text, encoding), error);
}

bool writeTextFile(const QString& path, const TextFile& file, QString* error)
{
    return writeTextLines(path, file.lines, file.encoding, error);
}
