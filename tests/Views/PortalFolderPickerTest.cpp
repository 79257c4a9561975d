// The folder picker of a confined window against a stand-in file chooser portal on a bus of
// the test's own: what it asks, what it takes from the answer, and when Qt's dialog asks instead.
#include "PortalFolderPicker.h"
#include "Platform/FileUri.h"
#include "Views/AccessTestSupport.h"
#include "Views/PrivateBus.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Plays the desktop's portal: answers each OpenFile on the request object the caller
// predicted, after the call's reply, as the real service does.
class StandInFileChooser : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.FileChooser")
  public:
    explicit StandInFileChooser(QDBusConnection bus) : bus_(std::move(bus)) {}

    uint response = 0;
    QStringList uris;
    bool answers = true;
    QVariantMap options;
    QString title;
    int calls = 0;

  public Q_SLOTS:
    QDBusObjectPath OpenFile(const QString&, const QString& title, const QVariantMap& options,
                             const QDBusMessage& message)
    {
        ++calls;
        this->title = title;
        this->options = options;
        const QString handle = PortalFolderPicker::requestPath(
            message.service(), options.value(QStringLiteral("handle_token")).toString());
        if (answers)
            QTimer::singleShot(0, this, [this, handle] {
                QDBusMessage signal = QDBusMessage::createSignal(
                    handle, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
                signal.setArguments({response, QVariantMap{{QStringLiteral("uris"), uris}}});
                bus_.send(signal);
            });
        return QDBusObjectPath(handle);
    }

  private:
    QDBusConnection bus_;
};

// The portal's service on the private bus while it lives.
struct PortalOnBus {
    explicit PortalOnBus(PrivateBus& bus)
        : connection(bus.connect(QStringLiteral("portal-service"))), chooser(connection)
    {
        registered = connection.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &chooser,
                                               QDBusConnection::ExportAllSlots) &&
                     connection.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
    }
    ~PortalOnBus() { connection.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop")); }
    QDBusConnection connection;
    StandInFileChooser chooser;
    bool registered = false;
};

struct PortalPickAnswer {
    bool given = false;
    std::optional<Path> folder;
};

void askPortalPicker(FolderPicker& picker, const FolderPickerRequest& request, PortalPickAnswer& answer)
{
    picker.pickFolder(request, [&answer](std::optional<Path> folder) {
        EXPECT_FALSE(answer.given) << "answered twice";
        answer = {true, std::move(folder)};
    });
}

} // namespace

TEST(PortalFolderPicker, AsksThePortalForAFolderAndTakesThePathBytesOfItsAnswer)
{
    PrivateBus bus;
    if (!bus.isRunning())
        GTEST_SKIP() << "dbus-daemon is not installed (scripts/bootstrap installs it)";
    PortalOnBus portal(bus);
    ASSERT_TRUE(portal.registered);
    const Path picked = "/var/tmp/demo/caf\xc3\xa9 \xff#1";
    portal.chooser.uris = {QString::fromLatin1(fileUriOfPath(picked))};
    auto fallback = std::make_shared<ScriptedPicker>();
    auto picker = std::make_shared<PortalFolderPicker>(bus.connect(QStringLiteral("portal-client")), fallback);

    // Through the access manager, as the window asks: it waits for the portal's answer,
    // refusing a second picker meanwhile.
    AccessFixture f;
    FolderAccess access({f.settings(), picker, "/var/tmp/demo", f.applications, true, {}});
    std::optional<GrantOutcome> first, second;
    access.requestAccess(AccessScope::home, QStringLiteral("Grant Access"), QStringLiteral("why"),
                         [&](const GrantOutcome& outcome) { first = outcome; });
    EXPECT_FALSE(first);
    EXPECT_TRUE(access.isPicking());
    access.requestAccess(AccessScope::home, QStringLiteral("Grant Access"), QStringLiteral("why"),
                         [&](const GrantOutcome& outcome) { second = outcome; });
    EXPECT_EQ(second, GrantOutcome::cancelled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return first.has_value(); }, 5000));
    EXPECT_EQ(*first, GrantOutcome::partial(picked));
    EXPECT_FALSE(access.isPicking());
    EXPECT_EQ(portal.chooser.calls, 1);
    EXPECT_TRUE(fallback->requests.empty());

    const QVariantMap& options = portal.chooser.options;
    EXPECT_EQ(options.value("directory"), QVariant(true));
    EXPECT_EQ(options.value("modal"), QVariant(true));
    EXPECT_FALSE(options.value("handle_token").toString().isEmpty());
    EXPECT_EQ(options.value("current_folder").toByteArray(), QByteArray("/var/tmp/demo\0", 14));
    EXPECT_EQ(options.value("accept_label").toString(), QStringLiteral("Grant Access"));
    EXPECT_EQ(portal.chooser.title, QStringLiteral("Grant Access"));

    // No folder proposed: none is sent.
    PortalPickAnswer answer;
    askPortalPicker(*picker, {{}, QStringLiteral("Grant Access"), {}}, answer);
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.given; }, 5000));
    EXPECT_FALSE(portal.chooser.options.contains("current_folder"));
}

TEST(PortalFolderPicker, ACancelledOrAbandonedDialogPicksNothing)
{
    PrivateBus bus;
    if (!bus.isRunning())
        GTEST_SKIP() << "dbus-daemon is not installed (scripts/bootstrap installs it)";
    auto fallback = std::make_shared<ScriptedPicker>();
    PortalFolderPicker picker(bus.connect(QStringLiteral("portal-client")), fallback);
    {
        PortalOnBus portal(bus);
        ASSERT_TRUE(portal.registered);
        for (uint response : {1u, 2u}) {
            portal.chooser.response = response;
            portal.chooser.uris = {QStringLiteral("file:///var/tmp/ignored")};
            PortalPickAnswer answer;
            askPortalPicker(picker, {"/var/tmp", {}, {}}, answer);
            ASSERT_TRUE(QTest::qWaitFor([&] { return answer.given; }, 5000)) << response;
            EXPECT_FALSE(answer.folder) << response;
        }

        // The portal goes away with its dialog open: the window is not left waiting.
        portal.chooser.answers = false;
        PortalPickAnswer answer;
        askPortalPicker(picker, {"/var/tmp", {}, {}}, answer);
        ASSERT_TRUE(QTest::qWaitFor([&] { return portal.chooser.calls == 3; }, 5000));
        EXPECT_FALSE(answer.given);
        portal.connection.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return answer.given; }, 5000));
        EXPECT_FALSE(answer.folder);
    }
    EXPECT_TRUE(fallback->requests.empty());
}

TEST(PortalFolderPicker, WithoutAPortalOrABusQtsDialogAsks)
{
    PrivateBus bus;
    if (!bus.isRunning())
        GTEST_SKIP() << "dbus-daemon is not installed (scripts/bootstrap installs it)";
    auto fallback = std::make_shared<ScriptedPicker>();
    fallback->answers = {"/var/tmp/from-dialog", "/var/tmp/no-bus"};
    const FolderPickerRequest request{"/var/tmp", QStringLiteral("Grant Access"), QStringLiteral("why")};

    // A bus where nobody serves the portal.
    PortalFolderPicker noPortal(bus.connect(QStringLiteral("portal-client")), fallback);
    PortalPickAnswer answer;
    askPortalPicker(noPortal, request, answer);
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.given; }, 5000));
    EXPECT_EQ(answer.folder, "/var/tmp/from-dialog");
    ASSERT_EQ(fallback->requests.size(), 1u);
    EXPECT_EQ(fallback->requests[0].initialFolder, "/var/tmp");
    EXPECT_EQ(fallback->requests[0].message, QStringLiteral("why"));

    // No bus at all (outside a desktop session).
    PortalFolderPicker noBus(
        QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("no-bus")),
        fallback);
    answer = {};
    askPortalPicker(noBus, request, answer);
    EXPECT_TRUE(answer.given);
    EXPECT_EQ(answer.folder, "/var/tmp/no-bus");
    QDBusConnection::disconnectFromBus(QStringLiteral("no-bus"));
}

TEST(PortalFolderPicker, FileUrisGiveBackTheirPathBytes)
{
    const Path odd = "/var/tmp/a b/caf\xc3\xa9/\xff\xfe?#%.bin";
    EXPECT_EQ(pathOfFileUri(fileUriOfPath(odd)), odd);
    EXPECT_EQ(pathOfFileUri("file://localhost/home/demo"), "/home/demo");
    EXPECT_EQ(pathOfFileUri("FILE:///home/demo/%41?query#part"), "/home/demo/A");
    EXPECT_FALSE(pathOfFileUri("file://otherhost/home/demo"));
    EXPECT_FALSE(pathOfFileUri("https://example.org/x"));
    EXPECT_FALSE(pathOfFileUri("file:///home/%4"));
    EXPECT_FALSE(pathOfFileUri("file:///home/%zz"));
    EXPECT_FALSE(pathOfFileUri("file:///home/a%00b"));
}

#include "PortalFolderPickerTest.moc"
