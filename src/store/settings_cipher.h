#pragma once
// The settings file is enciphered byte by byte with a repeating key (a Vigenère
// scheme over 0..255). Every byte is enciphered, line ends and zero bytes too,
// so the result is only ever handled as raw bytes.

#include <QByteArray>
#include <QString>

// The fixed key of the settings file.
inline constexpr char kSettingsKey[] = "qumo";

// out[i] = (in[i] + key[i mod key length]) mod 256; an empty key changes nothing.
QByteArray encipher(const QByteArray& plain, const QByteArray& key);
// out[i] = (in[i] - key[i mod key length]) mod 256.
QByteArray decipher(const QByteArray& ciphered, const QByteArray& key);

// Tells an enciphered file from a plain one by the share of printable ASCII it
// holds once line ends, tabs, "kqo" and blanks are left out. `text` is the
// file's bytes read as Windows-1252 characters.
bool isEnciphered(const QString& text);
