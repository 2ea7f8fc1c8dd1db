#include "catalogue/updateserver.h"

#include "shared/identity.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <algorithm>

const char* const UpdateServer::BaseUrlVariable = "CORVALE_UPDATE_URL";

namespace {

// Documents are named relative to the base address, so it has to read as a folder.
QUrl asFolder(QUrl url)
{
    if (!url.path().endsWith(u'/'))
        url.setPath(url.path() + u'/');
    return url;
}

bool isSafeRedirect(const QUrl& from, const QUrl& to)
{
    const bool downgrade = from.scheme() == QLatin1String("https") && to.scheme() != QLatin1String("https");
    return to.host() == from.host() && !downgrade;
}

// Runs the event loop, without user input, until the reply has finished. False when the
// loop was ended from outside first, as when the program quits.
bool waitForFinished(QNetworkReply& reply)
{
    if (!reply.isFinished()) {
        QEventLoop loop;
        QObject::connect(&reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return reply.isFinished();
}

} // namespace

QUrl UpdateServer::defaultBaseUrl()
{
    const QString configured = qEnvironmentVariable(BaseUrlVariable);
    return QUrl(configured.isEmpty() ? identity::UpdateServerAddress : configured);
}

UpdateServer::UpdateServer(const QUrl& baseUrl) : m_baseUrl(asFolder(baseUrl)) {}

QUrl UpdateServer::documentUrl(const QString& document) const
{
    return m_baseUrl.resolved(QUrl(document));
}

QNetworkRequest UpdateServer::request(const QUrl& url) const
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setTransferTimeout(int(m_timeout.count()));
    request.setHeader(QNetworkRequest::UserAgentHeader, identity::ApplicationName + u'/' + identity::versionText());
    return request;
}

FetchedDocument UpdateServer::fetch(const QString& document)
{
    const QUrl url = documentUrl(document);
    QNetworkReply* reply = m_network.get(request(url));
    QString refusal; // why the transfer was stopped here, when it was
    const auto refuse = [reply, &refusal](const QString& reason) {
        if (refusal.isEmpty())
            refusal = reason;
        reply->abort();
    };
    QObject::connect(reply, &QNetworkReply::redirected, reply, [&](const QUrl& target) {
        if (isSafeRedirect(url, target))
            emit reply->redirectAllowed();
        else
            refuse(QStringLiteral("The server redirected the request to another host (%1).")
                       .arg(target.toDisplayString()));
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [&](qint64 received, qint64 total) {
        if (std::max(received, total) > MaxDocumentSize)
            refuse(QStringLiteral("The document is larger than %1 MiB.").arg(MaxDocumentSize / (1024 * 1024)));
    });
    if (!waitForFinished(*reply))
        refuse(QStringLiteral("The transfer was interrupted."));

    FetchedDocument fetched;
    fetched.error = refusal.isEmpty() ? outcomeError(*reply) : refusal;
    if (fetched.ok())
        fetched.content = reply->readAll();
    // The handlers above refer to this frame; they go before it does.
    QObject::disconnect(reply, nullptr, reply, nullptr);
    reply->deleteLater();
    return fetched;
}

QString UpdateServer::outcomeError(const QNetworkReply& reply) const
{
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && status.toInt() / 100 != 2) {
        const QString phrase = QString::fromLatin1(reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute)
                                                       .toByteArray());
        return QStringLiteral("The server answered %1 %2").arg(status.toInt()).arg(phrase).trimmed() + u'.';
    }
    // Transfers stopped here carry their own reason, so a cancelled one has run out of time.
    if (reply.error() == QNetworkReply::OperationCanceledError)
        return QStringLiteral("The server did not answer within %1 seconds.")
            .arg(QString::number(double(m_timeout.count()) / 1000.0));
    if (reply.error() != QNetworkReply::NoError)
        return reply.errorString() + u'.';
    return {};
}
