#include "httpresponder.h"

#include <QTcpSocket>

HttpResponder::HttpResponder(const QHostAddress& address)
{
    QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] { accept(); });
    m_server.listen(address);
}

QUrl HttpResponder::url(const QString& path) const
{
    return QUrl(QStringLiteral("http://%1:%2/%3").arg(m_server.serverAddress().toString()).arg(m_server.serverPort())
                    .arg(path));
}

void HttpResponder::clear()
{
    m_responses.clear();
    requests.clear();
}

void HttpResponder::accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { read(socket); });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void HttpResponder::read(QTcpSocket* socket)
{
    // The request is taken whole before it is answered; its head is all that counts.
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n"))
        return;
    const QList<QByteArray> requestLine = request.left(request.indexOf("\r\n")).split(' ');
    answer(socket, requestLine.value(1));
}

void HttpResponder::answer(QTcpSocket* socket, const QByteArray& path)
{
    requests << path;
    const Response response = m_responses.value(path, status("404 Not Found"));
    if (response.silent)
        return;
    QByteArray head = "HTTP/1.1 " + response.status + "\r\nConnection: close\r\n";
    if (response.sendLength)
        head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    for (const auto& [name, value] : response.headers)
        head += name + ": " + value + "\r\n";
    socket->write(head + "\r\n" + response.body);
    socket->disconnectFromHost();
}
