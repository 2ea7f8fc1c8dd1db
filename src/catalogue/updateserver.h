#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QString>
#include <QUrl>
#include <chrono>

class QNetworkReply;
class QNetworkRequest;

// A document fetched from the update server: its bytes, or why there are none.
struct FetchedDocument
{
    QByteArray content;
    QString error; // empty when the whole document arrived
    bool ok() const { return error.isEmpty(); }
};

// The web server that publishes the current catalogue; documents are fetched by name under
// its base address. A fetch returns only once the answer is in, but it waits in a local
// event loop that takes no user input: the program keeps painting and the network keeps
// moving while nothing can be clicked. Only a 2xx answer counts, redirects are followed on
// the same host only (and never from https down to http), and a body over MaxDocumentSize
// is cut off, so an error page or a runaway download never passes for a document.
class UpdateServer final
{
public:
    static constexpr qint64 MaxDocumentSize = 8 * 1024 * 1024;
    // Without a byte for this long, a transfer is given up.
    static constexpr std::chrono::milliseconds DefaultTimeout{60'000};
    // Names the environment variable that overrides the built-in base address.
    static const char* const BaseUrlVariable;

    // The environment variable's address when it is set, otherwise the project's own server.
    static QUrl defaultBaseUrl();

    explicit UpdateServer(const QUrl& baseUrl);

    QUrl documentUrl(const QString& document) const;
    void setTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }
    FetchedDocument fetch(const QString& document);

private:
    QNetworkRequest request(const QUrl& url) const;
    QString outcomeError(const QNetworkReply& reply) const;

    QUrl m_baseUrl;
    std::chrono::milliseconds m_timeout = DefaultTimeout;
    QNetworkAccessManager m_network;
};
