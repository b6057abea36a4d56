#include "online/version_request.h"

#include "common/text_file.h"

namespace {

QByteArray hostHeaderValue(const QUrl& server)
{
    QByteArray host = server.host(QUrl::FullyEncoded).toLatin1();
    const int port = server.port(kHttpPort);
    if (port != kHttpPort)
        host += ':' + QByteArray::number(port);
    return host;
}

// Status code of "HTTP/1.x 200 OK", or 0 when the line is no HTTP status line.
int statusCode(const QByteArray& statusLine)
{
    if (!statusLine.startsWith("HTTP/"))
        return 0;
    const QList<QByteArray> parts = statusLine.simplified().split(' ');
    bool ok = false;
    const int code = parts.value(1).toInt(&ok);
    return ok ? code : 0;
}

// The declared body length, or -1 when the reply does not declare one.
qsizetype contentLength(const QByteArray& headers)
{
    for (const QByteArray& line : headers.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon < 0 || line.left(colon).trimmed().toLower() != "content-length")
            continue;
        bool ok = false;
        const qlonglong length = line.mid(colon + 1).trimmed().toLongLong(&ok);
        return ok && length >= 0 ? qsizetype(length) : -1;
    }
    return -1;
}

} // namespace

QByteArray versionRequestBody(const QString& programFileName)
{
    return encodeText(QStringLiteral("AppName=") + programFileName.toLower() +
                      QStringLiteral("&MM_SUBMIT=Absenden"));
}

QByteArray versionRequest(const QUrl& server, const QString& programFileName)
{
    const QByteArray body = versionRequestBody(programFileName);
    QByteArray request;
    request += QByteArray("POST ") + kVersionFormPath + " HTTP/1.0\r\n";
    request += "Content-Type: application/x-www-form-urlencoded\r\n";
    request += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    request += "Host: " + hostHeaderValue(server) + "\r\n";
    request += "Accept: text/html, */*\r\n";
    request += "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n";
    request += "\r\n";
    request += body;
    return request;
}

QString versionAnswerFromReply(const QByteArray& reply)
{
    qsizetype headerEnd = reply.indexOf("\r\n\r\n");
    qsizetype bodyStart = headerEnd + 4;
    if (headerEnd < 0) {
        headerEnd = reply.indexOf("\n\n");
        bodyStart = headerEnd + 2;
    }
    if (headerEnd < 0)
        return {};
    const QByteArray head = reply.left(headerEnd);
    const qsizetype lineEnd = head.indexOf('\n');
    const int status = statusCode(lineEnd < 0 ? head : head.left(lineEnd));
    if (status < 200 || status > 299)
        return {};
    QByteArray body = reply.mid(bodyStart);
    const qsizetype declared = contentLength(head);
    if (declared >= 0 && declared < body.size())
        body.truncate(declared);
    return decodeText(body);
}
