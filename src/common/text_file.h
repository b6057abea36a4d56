#pragma once
// The program's data files: text in Windows-1252 with CR LF line ends, read
// whole into a list of lines and written back whole and atomically. A file that
// begins with a byte-order mark is decoded by it and written back the same way.

#include <QByteArray>
#include <QString>
#include <QStringList>

enum class TextEncoding { Windows1252, Utf8Bom, Utf16LeBom, Utf16BeBom };

struct TextFile {
    QStringList lines;
    TextEncoding encoding = TextEncoding::Windows1252;
};

// Splits at CR LF, LF alone or CR alone; a last line without line end counts,
// a line end at the very end does not start another line.
QStringList splitLines(const QString& text);

QString decodeText(const QByteArray& bytes, TextEncoding* encoding = nullptr);
// Characters that Windows-1252 cannot hold become "?".
QByteArray encodeText(const QString& text, TextEncoding encoding = TextEncoding::Windows1252);

// Reads a whole file. Returns false (and leaves `file` empty) when it cannot be read;
// `error` then holds the system's reason.
bool readTextFile(const QString& path, TextFile& file, QString* error = nullptr);

// Writes every line followed by CR LF, replacing the file atomically: a temporary
// file beside it is renamed over it, so a crash never leaves a half-written file.
bool writeTextFile(const QString& path, const TextFile& file, QString* error = nullptr);
bool writeTextLines(const QString& path, const QStringList& lines,
                    TextEncoding encoding = TextEncoding::Windows1252, QString* error = nullptr);
// Writes bytes as the whole content, atomically.
bool writeBytesAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);
