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

const QString kStandInPortalName = QStringLiteral("org.freedesktop.portal.Desktop");

// Plays the desktop's portal on the bus while it lives: answers each OpenFile on the request
// object the caller predicted, after the call's reply, as the real service does.
class StandInFileChooser : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.FileChooser")
  public:
    explicit StandInFileChooser(PrivateBus& bus) : bus_(bus.connect(QStringLiteral("portal-service")))
    {
        registered = bus_.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), this,
                                         QDBusConnection::ExportAllSlots) &&
                     bus_.registerService(kStandInPortalName);
    }
    ~StandInFileChooser() override { leave(); }
    void leave() { bus_.unregisterService(kStandInPortalName); }

    bool registered = false;
    bool answers = true;
    uint response = 0;
    QStringList uris;
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
        // As the portal's documentation names it: the caller's unique name without ':' and
        // with '_' for '.', then the caller's token.
        const QString handle = QStringLiteral("/org/freedesktop/portal/desktop/request/") +
                               message.service().mid(1).replace(QLatin1Char('.'), QLatin1Char('_')) + QLatin1Char('/') +
                               options["handle_token"].toString();
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

// The picker's answer once given: a folder or none.
using PortalAnswer = std::optional<std::optional<Path>>;

PortalAnswer askPortal(FolderPicker& picker, const FolderPickerRequest& request,
                       const std::function<void()>& meanwhile = {})
{
    PortalAnswer answer;
    picker.pickFolder(request, [&answer](std::optional<Path> folder) {
        EXPECT_FALSE(answer) << "answered twice";
        answer = std::move(folder);
    });
    if (meanwhile)
        meanwhile();
    EXPECT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 5000));
    return answer;
}

} // namespace

TEST(PortalFolderPicker, AsksThePortalForAFolderAndTakesThePathBytesOfItsAnswer)
{
    PrivateBus bus;
    if (!bus.isRunning())
        GTEST_SKIP() << "dbus-daemon is not installed (scripts/bootstrap installs it)";
    StandInFileChooser portal(bus);
    ASSERT_TRUE(portal.registered);
    const Path picked = "/var/tmp/demo/caf\xc3\xa9 \xff#1";
    portal.uris = {QString::fromLatin1(fileUriOfPath(picked))};
    auto fallback = std::make_shared<ScriptedPicker>();
    auto picker = std::make_shared<PortalFolderPicker>(bus.connect(QStringLiteral("portal-client")), fallback);

    // Through the access manager, as the window asks: it waits for the portal's answer and
    // refuses a second picker meanwhile.
    AccessFixture f;
    FolderAccess access({f.settings(), picker, "/var/tmp/demo", f.applications, true, {}});
    std::optional<GrantOutcome> first, second;
    const auto ask = [&](std::optional<GrantOutcome>& into) {
        access.requestAccess(AccessScope::home, QStringLiteral("Grant Access"), QStringLiteral("why"),
                             [&into](const GrantOutcome& outcome) { into = outcome; });
    };
    ask(first);
    ask(second);
    EXPECT_TRUE(access.isPicking());
    EXPECT_EQ(second, GrantOutcome::cancelled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return first.has_value(); }, 5000));
    EXPECT_EQ(*first, GrantOutcome::partial(picked));
    EXPECT_FALSE(access.isPicking());
    EXPECT_EQ(portal.calls, 1);
    EXPECT_TRUE(fallback->requests.empty());

    EXPECT_EQ(portal.options["directory"], QVariant(true));
    EXPECT_EQ(portal.options["modal"], QVariant(true));
    EXPECT_EQ(portal.options["current_folder"].toByteArray(), QByteArray("/var/tmp/demo\0", 14));
    EXPECT_EQ(portal.options["accept_label"].toString(), QStringLiteral("Grant Access"));
    EXPECT_EQ(portal.title, QStringLiteral("Grant Access"));
    // No folder proposed, none sent.
    askPortal(*picker, {{}, QStringLiteral("Grant Access"), {}});
    EXPECT_FALSE(portal.options.contains("current_folder"));
}

TEST(PortalFolderPicker, ACancelledFailedOrAbandonedDialogPicksNothing)
{
    PrivateBus bus;
    if (!bus.isRunning())
        GTEST_SKIP() << "dbus-daemon is not installed (scripts/bootstrap installs it)";
    auto fallback = std::make_shared<ScriptedPicker>();
    PortalFolderPicker picker(bus.connect(QStringLiteral("portal-client")), fallback);
    StandInFileChooser portal(bus);
    ASSERT_TRUE(portal.registered);
    portal.uris = {QStringLiteral("file:///var/tmp/ignored")};
    for (uint response : {1u, 2u}) {
        portal.response = response;
        EXPECT_EQ(askPortal(picker, {"/var/tmp", {}, {}}), PortalAnswer(std::in_place)) << response;
    }
    // The portal leaves the bus with its dialog open: the window is not left waiting.
    portal.answers = false;
    EXPECT_EQ(askPortal(picker, {"/var/tmp", {}, {}},
                        [&] {
                            ASSERT_TRUE(QTest::qWaitFor([&] { return portal.calls == 3; }, 5000));
                            portal.leave();
                        }),
              PortalAnswer(std::in_place));
    EXPECT_TRUE(fallback->requests.empty());
}

TEST(PortalFolderPicker, WithoutAPortalOrABusQtsDialogAsks)
{
    PrivateBus bus;
    if (!bus.isRunning())
        GTEST_SKIP() << "dbus-daemon is not installed (scripts/bootstrap installs it)";
    auto fallback = std::make_shared<ScriptedPicker>();
    fallback->answers = {"/var/tmp/no-portal", "/var/tmp/no-bus"};
    const FolderPickerRequest request{"/var/tmp", QStringLiteral("Grant Access"), QStringLiteral("why")};

    PortalFolderPicker noPortal(bus.connect(QStringLiteral("portal-client")), fallback);
    EXPECT_EQ(askPortal(noPortal, request), PortalAnswer(std::in_place, "/var/tmp/no-portal"));
    PortalFolderPicker noBus(
        QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("portal-no-bus")),
        fallback);
    EXPECT_EQ(askPortal(noBus, request), PortalAnswer(std::in_place, "/var/tmp/no-bus"));
    QDBusConnection::disconnectFromBus(QStringLiteral("portal-no-bus"));
    ASSERT_EQ(fallback->requests.size(), 2u);
    EXPECT_EQ(fallback->requests[0].message, QStringLiteral("why"));
}

TEST(PortalFolderPicker, FileUrisGiveBackTheirPathBytes)
{
    const Path odd = "/var/tmp/a b/caf\xc3\xa9/\xff\xfe?#%.bin";
    EXPECT_EQ(pathOfFileUri(fileUriOfPath(odd)), odd);
    EXPECT_EQ(pathOfFileUri("FILE://localhost/home/%41?query#part"), "/home/A");
    for (const char* refused : {"file://otherhost/home", "https://example.org/x", "file:///home/%4", "file:///home/%zz",
                                "file:///home/a%00b"})
        EXPECT_FALSE(pathOfFileUri(refused)) << refused;
}

#include "PortalFolderPickerTest.moc"
