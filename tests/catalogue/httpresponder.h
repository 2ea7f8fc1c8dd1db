#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QMetaType>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

// A small HTTP/1.1 server for the update tests, in the test's own thread. Each path gets a
// canned response (a path nobody set up gets 404); every path asked for is recorded.
class HttpResponder
{
public:
    struct Response
    {
        QByteArray status = "200 OK";
        QByteArray body;
        QList<std::pair<QByteArray, QByteArray>> headers;
        bool silent = false;     // read the request, then never answer
        bool sendLength = true;  // without Content-Length the body ends when the connection does
    };

    static Response ok(const QByteArray& body) { return {"200 OK", body, {}, false, true}; }
    static Response status(const QByteArray& status) { return {status, {}, {}, false, true}; }
    static Response redirect(const QUrl& target)
    {
        return {"302 Found", {}, {{"Location", target.toEncoded()}}, false, true};
    }
    static Response silence() { return {"", {}, {}, true, true}; }

    explicit HttpResponder(const QHostAddress& address = QHostAddress(QHostAddress::LocalHost));

    bool isListening() const { return m_server.isListening(); }
    // http://address:port/ followed by path.
    QUrl url(const QString& path = {}) const;
    void serve(const QByteArray& path, const Response& response) { m_responses.insert(path, response); }
    void clear();

    QList<QByteArray> requests; // the paths asked for, in order

private:
    void accept();
    void read(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const QByteArray& path);

    QTcpServer m_server;
    QHash<QByteArray, Response> m_responses;
};

Q_DECLARE_METATYPE(HttpResponder::Response)
