#include "catalogue/updateserver.h"
#include "httpresponder.h"
#include "shared/identity.h"

#include <QTest>

class TestUpdateServer : public QObject
{
    Q_OBJECT

private:
    HttpResponder m_server;

    static FetchedDocument fetch(const QUrl& base, const char* document = "version.txt")
    {
        return UpdateServer(base).fetch(QString::fromLatin1(document));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.isListening());
    }

    void init()
    {
        m_server.clear();
    }

    void baseAddress_data()
    {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QUrl>("base");
        QTest::newRow("nominal: the project's own server") << QByteArray() << QUrl(identity::UpdateServerAddress);
        QTest::newRow("nominal: a mirror named in the environment")
            << QByteArray("http://mirror.example:8080/lists/")
            << QUrl(QStringLiteral("http://mirror.example:8080/lists/"));
    }

    void baseAddress()
    {
        QFETCH(QByteArray, variable);
        QFETCH(QUrl, base);
        if (variable.isEmpty())
            qunsetenv(UpdateServer::BaseUrlVariable);
        else
            qputenv(UpdateServer::BaseUrlVariable, variable);
        QCOMPARE(UpdateServer::defaultBaseUrl(), base);
        qunsetenv(UpdateServer::BaseUrlVariable);
    }

    void documentsAreNamedUnderTheBase_data()
    {
        QTest::addColumn<QString>("base");
        QTest::newRow("nominal: a base ending in /") << QStringLiteral("http://host/catalogue/");
        QTest::newRow("robustness: a base without the final /") << QStringLiteral("http://host/catalogue");
    }

    void documentsAreNamedUnderTheBase()
    {
        QFETCH(QString, base);
        QCOMPARE(UpdateServer(QUrl(base)).documentUrl(QStringLiteral("commands.dat")),
                 QUrl(QStringLiteral("http://host/catalogue/commands.dat")));
    }

    void theBodyArrivesByteForByte()
    {
        QByteArray body;
        for (int byte = 0; byte < 256; ++byte)
            body += char(byte);
        m_server.serve("/lists/commands.dat", HttpResponder::ok(body));
        const FetchedDocument fetched = fetch(m_server.url(QStringLiteral("lists")), "commands.dat");
        QCOMPARE(fetched.error, QString());
        QCOMPARE(fetched.content, body);
        QCOMPARE(m_server.requests, QList<QByteArray>{"/lists/commands.dat"});
    }

    void redirectsOnTheSameHostAreFollowed()
    {
        m_server.serve("/version.txt", HttpResponder::redirect(m_server.url(QStringLiteral("moved/version.txt"))));
        m_server.serve("/moved/version.txt", HttpResponder::ok("1.3"));
        const FetchedDocument fetched = fetch(m_server.url());
        QCOMPARE(fetched.error, QString());
        QCOMPARE(fetched.content, QByteArray("1.3"));
    }

    // The failures the update check reports are tried through it; these two are its blind spots.
    void failuresGiveNoContent_data()
    {
        QTest::addColumn<HttpResponder::Response>("response");
        QTest::addColumn<QString>("error");
        HttpResponder::Response unmeasured = HttpResponder::ok(QByteArray(UpdateServer::MaxDocumentSize + 1, 'x'));
        unmeasured.sendLength = false;
        QTest::newRow("robustness: a body over the limit, length not given")
            << unmeasured << QStringLiteral("The document is larger than 8 MiB.");
        QTest::newRow("robustness: a redirect that goes nowhere")
            << HttpResponder::status("302 Found") << QStringLiteral("The server answered 302 Found.");
    }

    void failuresGiveNoContent()
    {
        QFETCH(HttpResponder::Response, response);
        QFETCH(QString, error);
        m_server.serve("/version.txt", response);
        const FetchedDocument fetched = fetch(m_server.url());
        QCOMPARE(fetched.error, error);
        QCOMPARE(fetched.content, QByteArray());
    }

    void shortBodyGivesNoContent()
    {
        // The server promises more than it sends and hangs up: never a partial document.
        HttpResponder::Response cut = HttpResponder::ok("//1.2\r\n{Move");
        cut.sendLength = false;
        cut.headers = {{"Content-Length", "1000"}};
        m_server.serve("/version.txt", cut);
        const FetchedDocument fetched = fetch(m_server.url());
        QVERIFY2(!fetched.ok(), qPrintable(fetched.error));
        QVERIFY(!fetched.error.isEmpty());
        QCOMPARE(fetched.content, QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestUpdateServer)
#include "tst_updateserver.moc"
