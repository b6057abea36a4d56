#pragma once
// The question for the current version as it goes over the wire, and the
// reading of the server's reply. Plain HTTP/1.0, so the server answers in one
// piece and closes the connection.

#include <QByteArray>
#include <QString>
#include <QUrl>

// Port of a server address that names none.
inline constexpr int kHttpPort = 80;
// Path of the form on the update server.
inline constexpr const char* kVersionFormPath = "/resources/checkfree.php";
// A reply longer than this is no version answer and is not read any further.
inline constexpr qsizetype kMaxVersionReplySize = 16 * 1024;

// "AppName=<program file name in lower case>&MM_SUBMIT=Absenden" in Windows-1252.
QByteArray versionRequestBody(const QString& programFileName);
// The whole request: request line, headers and body.
QByteArray versionRequest(const QUrl& server, const QString& programFileName);

// The reply's body as text when the status is 2xx; empty for any other status
// (errors, redirects, which are not followed) and for a reply that is no HTTP.
QString versionAnswerFromReply(const QByteArray& reply);
