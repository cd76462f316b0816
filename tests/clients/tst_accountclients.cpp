// Log-in, log-out, session check and registration against a recording server
// on loopback: the exact form bytes, every answer shape, time-outs, transport
// errors and overlapping requests.
#include "accountstatus.h"
#include "formpost.h"
#include "recordinghttpserver.h"
#include "serviceaddresses.h"
#include "useraccess.h"
#include "userregister.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

using namespace GammaLib;
using Server = RecordingHttpServer;

namespace {

// An address where nothing listens.
QString closedPortUrl(const QString &path)
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path);
}

const QString Hash = QStringLiteral("0123456789ABCDEF0123456789ABCDEF");

// The codes a spy on an int signal caught, in ascending order.
QList<int> codes(const QSignalSpy &spy)
{
    QList<int> list;
    for (const QList<QVariant> &arguments : spy)
        list.append(arguments.at(0).toInt());
    std::sort(list.begin(), list.end());
    return list;
}

} // namespace

class TestAccountClients : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void statusWords_data();
    void statusWords();
    void answerParts_data();
    void answerParts();
    void registrationAnswers_data();
    void registrationAnswers();
    void passwordHashIsUpperHexMd5();

    void formBodies();
    void formEncoding();
    void defaultAddressesUseAccountHost();

    void loginAnswerShapes_data();
    void loginAnswerShapes();
    void loginTransportErrors_data();
    void loginTransportErrors();
    void loginTimeOutIgnoresLateReply();
    void overlappingLoginsKeepTheirOwnOutcome();

    void logout();
    void sessionCheck();

    void registerAnswers_data();
    void registerAnswers();
    void registerEmptyAddressSendsNothing();
    void registerTimeOutAndOverlap();
    void emailCheck();

private:
    UserAccess &access() { return UserAccess::instance(); }
};

void TestAccountClients::init()
{
    access().clear();
    access().setTimeOut(10000);
    access().setTransferTimeout(10000);
}

void TestAccountClients::statusWords_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("code");
    const QList<QPair<const char *, int>> table = {
        {"Success", -1},
        {"Failure", 0},
        {"UndefinedError", 999},
        {"LogicError", 1000},
        {"UserNotExit", 1001},
        {"UserNameExist", 1002},
        {"UserNameDontMatchRule", 1003},
        {"UserEmailExist", 1004},
        {"UserEmailDontMatchRule", 1005},
        {"UserPasswordDontMatchRule", 1006},
        {"UserNameEmpty", 1007},
        {"UserEmailEmpty", 1008},
        {"UserEmailToolLong", 1009},
        {"UserLogined", 1010},
        {"SystemError", 2000},
        {"NetworkError", 2100},
        {"DatabaseError", 2200},
        {"SessionError", 2300},
        {"success", 0},
        {"Success ", 0},
        {"", 0},
        {"Whatever", 0},
    };
    for (const auto &row : table)
        QTest::newRow(row.first[0] ? row.first : "empty") << QString::fromLatin1(row.first) << row.second;
}

void TestAccountClients::statusWords()
{
    QFETCH(QString, word);
    QFETCH(int, code);
    QCOMPARE(accountStatusCode(word), code);
}

void TestAccountClients::answerParts_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("value1");
    QTest::addColumn<QString>("value2");
    QTest::newRow("empty body") << "" << 0 << "" << "";
    QTest::newRow("status only") << "Success" << -1 << "" << "";
    QTest::newRow("two parts") << "Success|K" << -1 << "K" << "";
    QTest::newRow("three parts") << "Success|K|a;b" << -1 << "K" << "a;b";
    QTest::newRow("three, empty kept") << "Failure||" << 0 << "" << "";
    QTest::newRow("four parts") << "Success|K|a|b" << -1 << "" << "";
    QTest::newRow("unknown word") << "Nope|K|a" << 0 << "K" << "a";
}

void TestAccountClients::answerParts()
{
    QFETCH(QString, body);
    const AccountAnswer answer = parseAccountAnswer(body);
    QTEST(answer.code, "code");
    QTEST(answer.value1, "value1");
    QTEST(answer.value2, "value2");
}

void TestAccountClients::registrationAnswers_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<int>("code");
    QTest::newRow("success") << "success" << -1;
    QTest::newRow("error") << "error" << 999;
    QTest::newRow("Success is not success") << "Success" << 999;
    QTest::newRow("empty") << "" << 999;
    QTest::newRow("name empty") << "1" << 1007;
    QTest::newRow("name rule") << "200" << 1003;
    QTest::newRow("name exists wins over e-mail") << "34" << 1002;
    QTest::newRow("e-mail empty") << "01" << 1008;
    QTest::newRow("e-mail too long") << "020" << 1009;
    QTest::newRow("zero three") << "03" << 1005;
    QTest::newRow("e-mail exists") << "04" << 1004;
    QTest::newRow("password rule") << "001" << 1006;
    QTest::newRow("three zeros") << "000" << 999;
    QTest::newRow("unknown digits") << "959" << 999;
}

void TestAccountClients::registrationAnswers()
{
    QFETCH(QString, body);
    QTEST(registrationCode(body), "code");
}

void TestAccountClients::passwordHashIsUpperHexMd5()
{
    QCOMPARE(passwordHash(QString()), QStringLiteral("D41D8CD98F00B204E9800998ECF8427E"));
    QCOMPARE(passwordHash(QStringLiteral("abc")), QStringLiteral("900150983CD24FB0D6963F7D28E17F72"));
    // UTF-8 bytes of "é" are C3 A9.
    QCOMPARE(passwordHash(QString::fromUtf8("\xC3\xA9")),
             QString::fromLatin1(QCryptographicHash::hash("\xC3\xA9", QCryptographicHash::Md5).toHex().toUpper()));
}

void TestAccountClients::formBodies()
{
    Server server;
    QVERIFY(server.isListening());
    server.setReply("/Login-new.ashx", Server::answer("Failure"));
    server.setReply("/Logout-new.ashx", Server::answer("Success"));
    server.setReply("/IsUserLogin.ashx", Server::answer("Success"));
    server.setReply("/register/DoesEmailExist.ashx", Server::answer("False"));
    server.setReply("/register/register.ashx", Server::answer("success"));

    QSignalSpy login(&access(), &UserAccess::LoginFinished);
    access().Login(server.url("/Login-new.ashx"), QString::fromUtf8("a+b c&d=e@x.com\xC3\xA9"), Hash,
                   QStringLiteral("ostrel"));
    QVERIFY(login.wait());
    QCOMPARE(access().userName(), QString::fromUtf8("a+b c&d=e@x.com\xC3\xA9"));
    QCOMPARE(access().passwordHash(), Hash);

    access().setSessionKey(QStringLiteral("k+1 2"));
    QSignalSpy logout(&access(), &UserAccess::LogoutFinished);
    access().Logout(server.url("/Logout-new.ashx"));
    QVERIFY(logout.wait());
    QVERIFY(access().IsUserLoginInBlock(server.url("/IsUserLogin.ashx")));

    UserRegister reg;
    QSignalSpy exists(&reg, &UserRegister::ExistUserEmailFinished);
    reg.ExistUserEmail(server.url("/register/DoesEmailExist.ashx"), QStringLiteral("a+b@x.com"));
    QVERIFY(exists.wait());
    QSignalSpy registered(&reg, &UserRegister::RegisterFinished);
    reg.Register(server.url("/register/register.ashx"), QStringLiteral("a+b+c d@x.com"), Hash);
    QVERIFY(registered.wait());
    QCOMPARE(registered.at(0).at(0).toInt(), -1);

    const QList<Server::Request> requests = server.requests();
    QCOMPARE(requests.size(), 5);
    for (const Server::Request &request : requests) {
        QCOMPARE(request.method, QByteArray("POST"));
        QCOMPARE(request.header("Content-Type"), QByteArray("application/x-www-form-urlencoded"));
        QCOMPARE(request.header("Content-Length").toInt(), request.body.size());
    }
    QCOMPARE(requests.at(0).target, QByteArray("/Login-new.ashx"));
    QCOMPARE(requests.at(0).body,
             QByteArray("userName=a+b%20c%26d%3De@x.com%C3%A9&hashUserPassword=" + Hash.toLatin1()
                        + "&area=ostrel"));
    QCOMPARE(requests.at(1).target, QByteArray("/Logout-new.ashx"));
    QCOMPARE(requests.at(1).body, QByteArray("sessionKey=k+1%202"));
    QCOMPARE(requests.at(2).target, QByteArray("/IsUserLogin.ashx"));
    QCOMPARE(requests.at(2).body, QByteArray("sessionKey=k+1%202"));
    QCOMPARE(requests.at(3).body, QByteArray("e=a+b@x.com"));
    // Only registration escapes the plus sign, before the form is encoded.
    QCOMPARE(requests.at(4).body,
             QByteArray("e=a%2bb%2bc%20d@x.com&p=" + Hash.toLatin1() + "&from=ostrel"));

    // A percent sign typed by the user is escaped, never taken as an escape.
    reg.Register(server.url("/register/register.ashx"), QStringLiteral("p%2B+q@x.com"), Hash);
    QVERIFY(registered.wait());
    QCOMPARE(server.requests().at(5).body,
             QByteArray("e=p%252B%2bq@x.com&p=" + Hash.toLatin1() + "&from=ostrel"));
}

void TestAccountClients::formEncoding()
{
    QCOMPARE(encodeFormValue(QStringLiteral("Az09-._~!$'()*,;:@/?")), QByteArray("Az09-._~!$'()*,;:@/?"));
    QCOMPARE(encodeFormValue(QStringLiteral("a+b")), QByteArray("a%2Bb"));
    QCOMPARE(encodeFormValue(QStringLiteral("a+b"), PlusSign::Keep), QByteArray("a+b"));
    QCOMPARE(encodeFormValue(QStringLiteral("%41 &=#\"{}[]|^`<>\n")),
             QByteArray("%2541%20%26%3D%23%22%7B%7D%5B%5D%7C%5E%60%3C%3E%0A"));
    QCOMPARE(encodeFormValue(QString::fromUtf8("\xE4\xB8\xAD")), QByteArray("%E4%B8%AD"));
    QCOMPARE(formBody({{QStringLiteral("k"), QString()}, {QStringLiteral("a b"), QStringLiteral("c")}}),
             QByteArray("k=&a%20b=c"));
}

void TestAccountClients::defaultAddressesUseAccountHost()
{
    Server server;
    ServiceAddresses::instance().setHost(ServiceAddresses::Account, server.host());
    server.setReply("/Login-new.ashx", Server::answer("Success|KEY|"));
    server.setReply("/IsUserLogin.ashx", Server::answer("Success"));
    server.setReply("/Logout-new.ashx", Server::answer("Success"));
    server.setReply("/register/DoesEmailExist.ashx", Server::answer("True"));
    server.setReply("/register/register.ashx", Server::answer("04"));

    QSignalSpy login(&access(), &UserAccess::LoginFinished);
    access().Login(QStringLiteral("bob"), Hash);
    QVERIFY(login.wait());
    QCOMPARE(login.at(0).at(0).toInt(), -1);
    QVERIFY(access().IsUserLoginInBlock());
    QSignalSpy logout(&access(), &UserAccess::LogoutFinished);
    access().Logout();
    QVERIFY(logout.wait());
    QCOMPARE(logout.at(0).at(0).toInt(), -1);

    UserRegister reg;
    QSignalSpy exists(&reg, &UserRegister::ExistUserEmailFinished);
    reg.ExistUserEmail(QStringLiteral("bob@x.com"));
    QVERIFY(exists.wait());
    QCOMPARE(exists.at(0).at(0).toBool(), true);
    QSignalSpy registered(&reg, &UserRegister::RegisterFinished);
    reg.Register(QStringLiteral("bob@x.com"), Hash);
    QVERIFY(registered.wait());
    QCOMPARE(registered.at(0).at(0).toInt(), 1004);

    QCOMPARE(server.requestCount(), 5);
    QCOMPARE(server.requests().at(0).body,
             QByteArray("userName=bob&hashUserPassword=" + Hash.toLatin1() + "&area=ostrel"));

    ServiceAddresses::instance().setHost(ServiceAddresses::Web, QStringLiteral("web.example"));
    access().setUserName(QStringLiteral("a b"));
    QCOMPARE(access().accountPageUrl(), QStringLiteral("http://web.example/Account/LoginFromClient?u=a b&s=KEY"));
}

void TestAccountClients::loginAnswerShapes_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("sessionKey");
    QTest::addColumn<QString>("userName");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    // Before each log-in: key "OLD", attributes "a1"/"a2"; the log-in is made as "typed".
    QTest::newRow("empty account data keeps the name")
        << QByteArray("Success|KEY|") << -1 << "KEY" << "typed" << "a1" << "a2";
    QTest::newRow("two account parts")
        << QByteArray("Success|KEY|Bob;gold") << -1 << "KEY" << "Bob" << "gold" << "a2";
    QTest::newRow("three account parts")
        << QByteArray("Success|KEY|Bob;gold;42") << -1 << "KEY" << "Bob" << "gold" << "42";
    QTest::newRow("one account part")
        << QByteArray("Success|KEY|Bob") << -1 << "KEY" << "Bob" << "a1" << "a2";
    QTest::newRow("empty name kept as given")
        << QByteArray("Success|KEY|;x") << -1 << "KEY" << "" << "x" << "a2";
    QTest::newRow("two parts") << QByteArray("Success|KEY") << -1 << "KEY" << "typed" << "a1" << "a2";
    QTest::newRow("four parts store an empty key")
        << QByteArray("Success|KEY|Bob|x") << -1 << "" << "typed" << "a1" << "a2";
    QTest::newRow("user missing") << QByteArray("UserNotExit") << 1001 << "OLD" << "typed" << "a1" << "a2";
    QTest::newRow("failure with values")
        << QByteArray("Failure|KEY|Bob") << 0 << "OLD" << "typed" << "a1" << "a2";
    QTest::newRow("unknown word") << QByteArray("Huh|KEY|Bob") << 0 << "OLD" << "typed" << "a1" << "a2";
    QTest::newRow("empty body") << QByteArray() << 0 << "OLD" << "typed" << "a1" << "a2";
    QTest::newRow("utf-8 name")
        << QByteArray("Success|KEY|Jos\xC3\xA9") << -1 << "KEY" << QString::fromUtf8("Jos\xC3\xA9") << "a1"
        << "a2";
}

void TestAccountClients::loginAnswerShapes()
{
    QFETCH(QByteArray, body);
    Server server;
    server.setReply("/Login-new.ashx", Server::answer(body));
    access().setSessionKey(QStringLiteral("OLD"));
    access().setFirstAttribute(QStringLiteral("a1"));
    // The second attribute can only come from a log-in answer.
    {
        Server seed;
        seed.setReply("/Login-new.ashx", Server::answer("Success|OLD|typed;a1;a2"));
        QSignalSpy spy(&access(), &UserAccess::LoginFinished);
        access().Login(seed.url("/Login-new.ashx"), QStringLiteral("x"), Hash, QStringLiteral("ostrel"));
        QVERIFY(spy.wait());
        QCOMPARE(access().secondAttribute(), QStringLiteral("a2"));
    }

    QSignalSpy spy(&access(), &UserAccess::LoginFinished);
    access().Login(server.url("/Login-new.ashx"), QStringLiteral("typed"), Hash, QStringLiteral("ostrel"));
    QVERIFY(spy.wait());
    QCOMPARE(spy.size(), 1);
    QTEST(spy.at(0).at(0).toInt(), "code");
    QTEST(access().sessionKey(), "sessionKey");
    QTEST(access().userName(), "userName");
    QTEST(access().firstAttribute(), "first");
    QTEST(access().secondAttribute(), "second");
}

void TestAccountClients::loginTransportErrors_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("closed port") << 0;
    QTest::newRow("server error status") << 1;
    QTest::newRow("connection closed without answer") << 2;
}

void TestAccountClients::loginTransportErrors()
{
    QFETCH(int, kind);
    Server server;
    server.setReply("/Login-new.ashx", kind == 1 ? Server::answer("Success|KEY|", 500)
                                                 : Server::closeWithoutAnswer());
    const QString url = kind == 0 ? closedPortUrl("/Login-new.ashx") : server.url("/Login-new.ashx");
    access().setSessionKey(QStringLiteral("OLD"));
    QSignalSpy spy(&access(), &UserAccess::LoginFinished);
    access().Login(url, QStringLiteral("bob"), Hash, QStringLiteral("ostrel"));
    QVERIFY(spy.wait());
    QCOMPARE(spy.at(0).at(0).toInt(), 2100);
    QCOMPARE(access().sessionKey(), QStringLiteral("OLD"));
    QTest::qWait(50);
    QCOMPARE(spy.size(), 1);
}

void TestAccountClients::loginTimeOutIgnoresLateReply()
{
    Server server;
    server.setReply("/Login-new.ashx", Server::answer("Success|LATE|late", 200, 600));
    access().setTimeOut(100);
    QSignalSpy spy(&access(), &UserAccess::LoginFinished);
    access().Login(server.url("/Login-new.ashx"), QStringLiteral("bob"), Hash, QStringLiteral("ostrel"));
    QVERIFY(spy.wait());
    QCOMPARE(spy.at(0).at(0).toInt(), 2100);
    // Let the server's late answer go out; it must change nothing.
    QTest::qWait(900);
    QCOMPARE(spy.size(), 1);
    QVERIFY(access().sessionKey().isEmpty());
    QCOMPARE(access().userName(), QStringLiteral("bob"));
}

void TestAccountClients::overlappingLoginsKeepTheirOwnOutcome()
{
    // The first log-in times out quickly and its answer comes late; the
    // second is slower than the first one's time-out but within its own.
    Server server;
    server.queueReply("/Login-new.ashx", Server::answer("Success|FIRST|first", 200, 900));
    server.queueReply("/Login-new.ashx", Server::answer("Success|SECOND|second", 200, 400));
    QSignalSpy spy(&access(), &UserAccess::LoginFinished);

    access().setTimeOut(150);
    access().Login(server.url("/Login-new.ashx"), QStringLiteral("a"), Hash, QStringLiteral("ostrel"));
    QVERIFY(server.waitForRequests(1));
    access().setTimeOut(10000);
    access().Login(server.url("/Login-new.ashx"), QStringLiteral("b"), Hash, QStringLiteral("ostrel"));

    QTRY_COMPARE(spy.size(), 2);
    // Which of the two reports first depends on the machine's load; what
    // matters is that each request reports its own outcome once.
    QCOMPARE(codes(spy), (QList<int>{-1, 2100}));
    QCOMPARE(access().sessionKey(), QStringLiteral("SECOND"));
    // The first request's late answer arrives after both have reported.
    QTest::qWait(900);
    QCOMPARE(spy.size(), 2);
    QCOMPARE(access().sessionKey(), QStringLiteral("SECOND"));
    QCOMPARE(access().userName(), QStringLiteral("second"));
}

void TestAccountClients::logout()
{
    Server server;
    QSignalSpy spy(&access(), &UserAccess::LogoutFinished);

    // Without a session nothing is sent.
    access().Logout(server.url("/Logout-new.ashx"));
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.takeFirst().at(0).toInt(), 2300);

    access().setSessionKey(QStringLiteral("KEY"));
    server.queueReply("/Logout-new.ashx", Server::answer("Success"));
    server.queueReply("/Logout-new.ashx", Server::answer("SessionError|x"));
    server.queueReply("/Logout-new.ashx", Server::neverAnswer());
    access().Logout(server.url("/Logout-new.ashx"));
    QVERIFY(spy.wait());
    QCOMPARE(spy.takeFirst().at(0).toInt(), -1);
    QCOMPARE(access().sessionKey(), QStringLiteral("KEY"));
    access().Logout(server.url("/Logout-new.ashx"));
    QVERIFY(spy.wait());
    QCOMPARE(spy.takeFirst().at(0).toInt(), 2300);

    // A server that never answers no longer holds the log-out for ever.
    access().setTransferTimeout(150);
    access().Logout(server.url("/Logout-new.ashx"));
    QVERIFY(spy.wait());
    QCOMPARE(spy.takeFirst().at(0).toInt(), 2100);

    access().Logout(closedPortUrl("/Logout-new.ashx"));
    QVERIFY(spy.wait());
    QCOMPARE(spy.takeFirst().at(0).toInt(), 2100);
    QCOMPARE(server.requestCount(), 3);
}

void TestAccountClients::sessionCheck()
{
    Server server;
    const QString url = server.url("/IsUserLogin.ashx");
    QVERIFY(!access().IsUserLoginInBlock(url));
    QCOMPARE(server.requestCount(), 0);

    access().setSessionKey(QStringLiteral("KEY"));
    server.queueReply("/IsUserLogin.ashx", Server::answer("Success"));
    server.queueReply("/IsUserLogin.ashx", Server::answer("Success|x|y"));
    server.queueReply("/IsUserLogin.ashx", Server::answer("Failure"));
    server.queueReply("/IsUserLogin.ashx", Server::answer("SessionError"));
    server.queueReply("/IsUserLogin.ashx", Server::answer("Success", 500));
    server.queueReply("/IsUserLogin.ashx", Server::neverAnswer());
    QVERIFY(access().IsUserLoginInBlock(url));
    QVERIFY(access().IsUserLoginInBlock(url));
    QVERIFY(!access().IsUserLoginInBlock(url));
    QVERIFY(!access().IsUserLoginInBlock(url));
    QVERIFY(!access().IsUserLoginInBlock(url));
    access().setTransferTimeout(150);
    QVERIFY(!access().IsUserLoginInBlock(url));
    QVERIFY(!access().IsUserLoginInBlock(closedPortUrl("/IsUserLogin.ashx")));
    QCOMPARE(server.requestCount(), 6);
}

void TestAccountClients::registerAnswers_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("code");
    QTest::newRow("success") << QByteArray("success") << 200 << -1;
    QTest::newRow("error") << QByteArray("error") << 200 << 999;
    QTest::newRow("e-mail rule") << QByteArray("03") << 200 << 1005;
    QTest::newRow("three zeros") << QByteArray("000") << 200 << 999;
    QTest::newRow("password") << QByteArray("001") << 200 << 1006;
    QTest::newRow("server error") << QByteArray("success") << 500 << 2100;
}

void TestAccountClients::registerAnswers()
{
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    Server server;
    server.setReply("/register/register.ashx", Server::answer(body, status));
    UserRegister reg;
    QSignalSpy spy(&reg, &UserRegister::RegisterFinished);
    reg.Register(server.url("/register/register.ashx"), QStringLiteral("a@x.com"), Hash);
    QVERIFY(spy.wait());
    QTEST(spy.at(0).at(0).toInt(), "code");
}

void TestAccountClients::registerEmptyAddressSendsNothing()
{
    Server server;
    UserRegister reg;
    QSignalSpy spy(&reg, &UserRegister::RegisterFinished);
    reg.Register(server.url("/register/register.ashx"), QString(), Hash);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 1008);
    QTest::qWait(50);
    QCOMPARE(server.requestCount(), 0);

    reg.Register(closedPortUrl("/register/register.ashx"), QStringLiteral("a@x.com"), Hash);
    QVERIFY(spy.wait());
    QCOMPARE(spy.at(1).at(0).toInt(), 2100);
}

void TestAccountClients::registerTimeOutAndOverlap()
{
    Server server;
    server.queueReply("/register/register.ashx", Server::answer("success", 200, 900));
    server.queueReply("/register/register.ashx", Server::answer("04", 200, 400));
    UserRegister reg;
    QSignalSpy spy(&reg, &UserRegister::RegisterFinished);
    reg.setTimeOut(150);
    reg.Register(server.url("/register/register.ashx"), QStringLiteral("a@x.com"), Hash);
    QVERIFY(server.waitForRequests(1));
    reg.setTimeOut(10000);
    reg.Register(server.url("/register/register.ashx"), QStringLiteral("b@x.com"), Hash);
    QTRY_COMPARE(spy.size(), 2);
    QCOMPARE(codes(spy), (QList<int>{1004, 2100}));
    QTest::qWait(900);
    QCOMPARE(spy.size(), 2);
}

void TestAccountClients::emailCheck()
{
    Server server;
    const QString url = server.url("/register/DoesEmailExist.ashx");
    UserRegister reg;
    QSignalSpy spy(&reg, &UserRegister::ExistUserEmailFinished);

    server.queueReply("/register/DoesEmailExist.ashx", Server::answer("True", 200, 200));
    reg.ExistUserEmail(url, QStringLiteral("a@x.com"));
    QVERIFY(!reg.isEmailCheckReady());
    // A second check while the first is pending is dropped.
    reg.ExistUserEmail(url, QStringLiteral("b@x.com"));
    QVERIFY(spy.wait());
    QCOMPARE(spy.takeFirst().at(0).toBool(), true);
    QTest::qWait(50);
    QCOMPARE(spy.size(), 0);
    QCOMPARE(server.requestCount(), 1);
    QVERIFY(reg.isEmailCheckReady());

    for (const QByteArray &body : {QByteArray("true"), QByteArray("True\n"), QByteArray("False"), QByteArray()}) {
        server.queueReply("/register/DoesEmailExist.ashx", Server::answer(body));
        reg.ExistUserEmail(url, QStringLiteral("a@x.com"));
        QVERIFY(spy.wait());
        QCOMPARE(spy.takeFirst().at(0).toBool(), false);
    }

    // Transport failures say "does not exist" and free the check again.
    reg.ExistUserEmail(closedPortUrl("/register/DoesEmailExist.ashx"), QStringLiteral("a@x.com"));
    QVERIFY(spy.wait());
    QCOMPARE(spy.takeFirst().at(0).toBool(), false);
    reg.setTransferTimeout(150);
    server.queueReply("/register/DoesEmailExist.ashx", Server::neverAnswer());
    reg.ExistUserEmail(url, QStringLiteral("a@x.com"));
    QVERIFY(spy.wait());
    QCOMPARE(spy.takeFirst().at(0).toBool(), false);
    QVERIFY(reg.isEmailCheckReady());
}

QTEST_GUILESS_MAIN(TestAccountClients)
#include "tst_accountclients.moc"
