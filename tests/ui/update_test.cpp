// The update check at start and "Aktualizace (online)" in both main windows: the
// setting and the online test, the published version (from the fake platform or a
// real HTTP server on this computer), the offer, the updater's start failures and
// the program's end. Nothing is left on the disk.
#include "support/window_test.h"

#include "app/hub_window.h"
#include "app/update.h"
#include "platform/links.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

namespace noktaris::test {
namespace {

const QString kVersionUrlPath = QStringLiteral("/download/version.txt");

// A web server on 127.0.0.1 with one answer to every request.
class LocalServer : public QObject {
public:
    enum class Answer { Body, NotFound, Silence };
    explicit LocalServer(Answer answer, QByteArray body = {}) : answer_(answer), body_(std::move(body))
    {
        server_.listen(QHostAddress::LocalHost);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { reply(socket); });
        });
    }
    QString location() const { return QStringLiteral("http://127.0.0.1:") + QString::number(server_.serverPort()); }
    QByteArray requests;

private:
    void reply(QTcpSocket* socket)
    {
        requests += socket->readAll();
        if (!requests.contains("\r\n\r\n") || answer_ == Answer::Silence)
            return;
        const bool found = answer_ == Answer::Body;
        const QByteArray payload = found ? body_ : QByteArray("nenalezeno");
        socket->write((found ? "HTTP/1.1 200 OK" : "HTTP/1.1 404 Not Found") + QByteArray("\r\nContent-Length: ")
                      + QByteArray::number(payload.size()) + "\r\nConnection: close\r\n\r\n" + payload);
        socket->disconnectFromHost();
    }
    QTcpServer server_;
    Answer answer_;
    QByteArray body_;
};

class Update : public WindowTest {
protected:
    Update() : previousTmp_(qgetenv("TMPDIR")) { qputenv("TMPDIR", tmp.path().toLocal8Bit()); }
    ~Update() override { qputenv("TMPDIR", previousTmp_); }

    void setUpdateLine(const QByteArray& line) { setConfig(QByteArray(config()).replace("Aktualizace:0", line)); }
    // The version file the fake platform hands over as downloaded.
    void publish(const QByteArray& firstLine)
    {
        fake->onDownload = [firstLine](const QString&, const QString& file, int) {
            QFile local(file);
            return local.open(QIODevice::WriteOnly) && local.write(firstLine + "\r\n0\r\n") > 0;
        };
    }
    // Downloads for real, from the server in place of the web location.
    void serveFrom(const LocalServer& server)
    {
        fake->onDownload = [location = server.location()](const QString& url, const QString& file, int timeoutMs) {
            QString local = url;
            local.replace(webLocation(), location);
            return makeLinuxPlatform()->download(local, file, timeoutMs);
        };
    }
    bool programEnded() const { return !form1()->isVisible() && !app().form4()->isVisible(); }
    // Whatever the check left in the temporary folder or the program's folder.
    QStringList leftovers() const
    {
        QStringList files = QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden);
        if (QFile::exists(folder.path(QStringLiteral("version.txt"))))
            files << QStringLiteral("version.txt");
        return files;
    }

    QTemporaryDir tmp;

private:
    QByteArray previousTmp_;
};

TEST_F(Update, CheckAtStartAsksOnlyWhenTheSettingIsOnAndTheComputerOnline)
{
    const struct {
        const char* name;
        const char* line; // replaces "Aktualizace:0"
        bool online;
        bool downloads;
    } rows[] = {
        {"SettingOff", "Aktualizace:0", true, false},         {"NoSettingLine", "", true, false},
        {"SettingWithASpace", "Aktualizace:1 ", true, false}, {"SettingOnOffline", "Aktualizace:1", false, false},
        {"SettingOnOnline", "Aktualizace:1", true, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        setConfig(deliveredFile(QStringLiteral("config.ini")));
        setUpdateLine(row.line);
        fake->online = row.online;
        fake->downloads.clear();
        publish("1.4");
        ModalAnswerer answerer;
        start({Application::Window::Basic, Application::Window::Hub});
        EXPECT_EQ(fake->downloads, row.downloads ? QStringList{webLocation() + kVersionUrlPath} : QStringList{});
        EXPECT_TRUE(answerer.texts().isEmpty());
        EXPECT_TRUE(form1()->isVisible());
        destroyWindows();
    }
}

TEST_F(Update, NewerVersionIsOfferedAndTakingItStartsTheUpdaterAndEndsTheProgram)
{
    const QString missing =
        QStringLiteral("Aktualizační soubor update.exe neexistuje! Zkuste aplikaci znovu nainstalovat.");
    const QString noPath =
        QStringLiteral("Zadaná cesta k aktualizačnímu souboru update.exe neexistuje! Ověřte zda máte "
                       "v kořenovém adresáři programu soubor update.exe.");
    const struct {
        const char* name;
        const char* published;
        const char* answer;
        StartOutcome outcome;
        QStringList boxes; // after the offer
        bool started;
    } rows[] = {
        {"SameVersion", "1.4", "OK", StartOutcome::Started, {}, false},
        {"OlderVersion", "0.9", "OK", StartOutcome::Started, {}, false},
        {"TwoDigitMinorReadAsOne", "1.10", "OK", StartOutcome::Started, {}, false},
        {"Garbage", "<html>", "OK", StartOutcome::Started, {}, false},
        {"NewerDeclined", "1.5", "Zrušit", StartOutcome::Started, {kUpdateOffer}, false},
        {"NewerTaken", "1.5", "OK", StartOutcome::Started, {kUpdateOffer}, true},
        {"NewMajorTaken", "2.0", "OK", StartOutcome::OtherFailure, {kUpdateOffer}, true},
        {"UpdaterMissing", "1.5", "OK", StartOutcome::FileNotFound, {kUpdateOffer, missing}, true},
        {"FolderMissing", "1.5", "OK", StartOutcome::PathNotFound, {kUpdateOffer, noPath}, true},
        {"NotAProgram",
         "1.5",
         "OK",
         StartOutcome::NotExecutable,
         {kUpdateOffer, QStringLiteral("Toto není spustitelný soubor.")},
         true},
    };
    // A version.txt of the user's own in the program's folder is none of the check's business.
    folder.write(QStringLiteral("version.txt"), "moje poznámky");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        setUpdateLine("Aktualizace:1");
        publish(row.published);
        fake->startAnswer = row.outcome;
        fake->started.clear();
        ModalAnswerer answerer({QString::fromUtf8(row.answer)});
        start({Application::Window::Basic, Application::Window::Hub});
        EXPECT_EQ(answerer.texts(), row.boxes);
        EXPECT_EQ(fake->started, row.started ? QStringList{folder.path(QStringLiteral("update"))} : QStringList{});
        EXPECT_EQ(programEnded(), row.started);
        if (row.started) {
            EXPECT_EQ(runMessageLoop(), 0) << "the program ended before its message loop, which returns at once";
        }
        EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
        EXPECT_EQ(folder.read(QStringLiteral("version.txt")), QByteArray("moje poznámky"));
        destroyWindows();
    }
}

TEST_F(Update, PublishedVersionIsFetchedOverHttp)
{
    const struct {
        const char* name;
        LocalServer::Answer answer;
        QStringList boxes;
    } rows[] = {
        {"NewerVersion", LocalServer::Answer::Body, {kUpdateOffer}},
        {"NotFound", LocalServer::Answer::NotFound, {}},
        {"NoAnswer", LocalServer::Answer::Silence, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        LocalServer server(row.answer, "1.5\r\n");
        serveFrom(server);
        setUpdateLine("Aktualizace:1");
        ModalAnswerer answerer({QStringLiteral("Zrušit")});
        QElapsedTimer clock;
        clock.start();
        start({Application::Window::Basic, Application::Window::Hub});
        // The start goes on once the server's time is up; a hang would be caught here.
        EXPECT_LT(clock.elapsed(), kUpdateTimeoutMs + 5000);
        EXPECT_TRUE(server.requests.startsWith("GET /download/version.txt HTTP/1.1\r\n")) << server.requests.data();
        EXPECT_EQ(answerer.texts(), row.boxes);
        EXPECT_TRUE(form1()->isVisible());
        EXPECT_EQ(leftovers(), QStringList{});
        destroyWindows();
    }
}

TEST_F(Update, MenuItemWarnsThenStartsTheUpdaterAndEndsTheProgramFromEitherWindow)
{
    const QString noPath = QStringLiteral(
        "Zadaná cesta k update.exe neexistuje! Ověřte zda máte v kořenovém adresáři programu soubor update.exe.");
    const struct {
        const char* name;
        bool hub;
        const char* answer;
        StartOutcome outcome;
        QStringList boxes;
        bool ends;
    } rows[] = {
        {"BasicWindowCancelled", false, "Zrušit", StartOutcome::Started, {kUpdateWarning}, false},
        {"BasicWindow", false, "OK", StartOutcome::Started, {kUpdateWarning}, true},
        {"HubCancelled", true, "Zrušit", StartOutcome::Started, {kUpdateWarning}, false},
        {"Hub", true, "OK", StartOutcome::OtherFailure, {kUpdateWarning}, true},
        {"UpdaterMissing",
         false,
         "OK",
         StartOutcome::FileNotFound,
         {kUpdateWarning,
          QStringLiteral("Aktualizační soubor update.exe neexistuje! Zkuste aplikaci znovu nainstalovat.")},
         true},
        {"FolderMissing", true, "OK", StartOutcome::PathNotFound, {kUpdateWarning, noPath}, true},
        {"NotAProgram",
         false,
         "OK",
         StartOutcome::NotExecutable,
         {kUpdateWarning, QStringLiteral("Toto není spustitelný soubor.")},
         true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        setConfig(QByteArray(deliveredFile(QStringLiteral("config.ini")))
                      .replace("Rezim:1", row.hub ? "Rezim:2" : "Rezim:1"));
        start({Application::Window::Basic, Application::Window::Hub});
        fake->startAnswer = row.outcome;
        fake->started.clear();
        fake->downloads.clear();
        MainWindowBase* window = form1();
        if (row.hub)
            window = app().form4();
        ASSERT_TRUE(window->isVisible());
        ModalAnswerer answerer({QString::fromUtf8(row.answer)});
        window->menu.Aktualizaceonline1->trigger();
        EXPECT_EQ(answerer.texts(), row.boxes);
        EXPECT_EQ(fake->started, row.ends ? QStringList{folder.path(QStringLiteral("update"))} : QStringList{});
        EXPECT_EQ(window->isVisible(), !row.ends);
        EXPECT_EQ(programEnded(), row.ends);
        EXPECT_TRUE(fake->downloads.isEmpty()) << "the menu item neither checks nor compares";
        destroyWindows();
    }
}

} // namespace
} // namespace noktaris::test
