// Removing a system package through PackageKit, against a stand-in PackageKit on a
// private bus: the exact calls, consent refused, a failing package manager, no PackageKit
// at all; and a full uninstall whose settings go only once the package went.
#include "Platform/PackageKitRemoval.h"
#include "Platform/FileOperations.h"
#include "Views/PrivateBus.h"
#include "support/CleanFixture.h"
#include "support/EngineWait.h"
#include "support/Records.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QTest>
#include <QTimer>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <thread>

using testing::ElementsAre;

namespace {

const QString kTransactionInterface = QStringLiteral("org.freedesktop.PackageKit.Transaction");

// What the stand-in's package manager does with a removal.
enum class Answer { removes, refusesConsent, fails };

struct StandInState {
    QDBusConnection bus;
    Answer answer;
    std::string launcher; // deleted when the package is removed
    QStringList calls;
    int transactions = 0;
};

class StandInTransaction : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.PackageKit.Transaction")
  public:
    StandInTransaction(StandInState& state, QString path) : state_(state), path_(std::move(path)) {}

  public Q_SLOTS:
    void SetHints(const QStringList& hints) { state_.calls.append("SetHints " + hints.join(',')); }
    void Resolve(qulonglong filter, const QStringList& names)
    {
        state_.calls.append(QStringLiteral("Resolve %1 %2").arg(filter).arg(names.join(',')));
        later([this, names] {
            if (names == QStringList{QStringLiteral("vlc")}) {
                emitSignal("Package", {1u, QStringLiteral("vlc;3.0.20;amd64;installed:debian"), QStringLiteral("x")});
                emitSignal("Package", {1u, QStringLiteral("vlc-bin;3.0.20;amd64;installed"), QStringLiteral("x")});
            }
            emitSignal("Finished", {1u, 5u});
        });
    }
    void RemovePackages(qulonglong flags, const QStringList& ids, bool allowDeps, bool autoremove)
    {
        state_.calls.append(QStringLiteral("RemovePackages %1 %2 %3 %4")
                                .arg(flags)
                                .arg(ids.join(','))
                                .arg(allowDeps ? "deps" : "no-deps")
                                .arg(autoremove ? "autoremove" : "no-autoremove"));
        later([this] {
            switch (state_.answer) {
            case Answer::removes: {
                QDBusMessage progress = QDBusMessage::createSignal(
                    path_, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
                progress.setArguments({kTransactionInterface,
                                       QVariantMap{{QStringLiteral("Percentage"), QVariant::fromValue(50u)}},
                                       QStringList{}});
                state_.bus.send(progress);
                ::unlink(state_.launcher.c_str());
                emitSignal("Finished", {1u, 40u});
                break;
            }
            case Answer::refusesConsent:
                emitSignal("ErrorCode", {33u, QStringLiteral("Not authorized")});
                emitSignal("Finished", {2u, 0u});
                break;
            case Answer::fails:
                emitSignal("ErrorCode", {48u, QStringLiteral("dpkg failed")});
                emitSignal("Finished", {2u, 0u});
                break;
            }
        });
    }

  private:
    template <typename Fn> void later(Fn fn) { QTimer::singleShot(0, this, fn); }
    void emitSignal(const char* name, const QVariantList& arguments)
    {
        QDBusMessage signal = QDBusMessage::createSignal(path_, kTransactionInterface, QString::fromLatin1(name));
        signal.setArguments(arguments);
        state_.bus.send(signal);
    }
    StandInState& state_;
    QString path_;
};

class StandInPackageKit : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.PackageKit")
  public:
    explicit StandInPackageKit(StandInState& state) : state_(state)
    {
        state_.bus.registerObject(QStringLiteral("/org/freedesktop/PackageKit"), this, QDBusConnection::ExportAllSlots);
        state_.bus.registerService(QStringLiteral("org.freedesktop.PackageKit"));
    }
    ~StandInPackageKit() override { state_.bus.unregisterService(QStringLiteral("org.freedesktop.PackageKit")); }

  public Q_SLOTS:
    QDBusObjectPath CreateTransaction()
    {
        const QString path = QStringLiteral("/%1").arg(++state_.transactions);
        state_.calls.append("CreateTransaction");
        transactions_.push_back(std::make_unique<StandInTransaction>(state_, path));
        state_.bus.registerObject(path, transactions_.back().get(), QDBusConnection::ExportAllSlots);
        return QDBusObjectPath(path);
    }

  private:
    StandInState& state_;
    std::vector<std::unique_ptr<StandInTransaction>> transactions_;
};

// Points the system bus at the private one for the test's length.
struct SystemBusIs {
    explicit SystemBusIs(const QString& address) { qputenv("DBUS_SYSTEM_BUS_ADDRESS", address.toUtf8()); }
    ~SystemBusIs() { qunsetenv("DBUS_SYSTEM_BUS_ADDRESS"); }
};

// Runs the blocking removal on a thread of its own while this one serves the stand-in.
PackageRemoval removeWhileServing(const std::string& package)
{
    PackageRemoval removal;
    bool done = false;
    std::thread worker([&] {
        removal = removeWithPackageKit(package);
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 20000));
    worker.join();
    return removal;
}

} // namespace

TEST(PackageKitRemoval, AsksForTheInstalledPackageOnlyAndReportsRefusalAndFailureAsNotRemoved)
{
    PrivateBus bus;
    if (!bus.isRunning())
        GTEST_SKIP() << "dbus-daemon is not installed (scripts/bootstrap installs it)";
    TempHome home;
    home.file("vlc.desktop", 10);
    const SystemBusIs system(bus.address());
    EXPECT_EQ(removeWhileServing("vlc").outcome, PackageRemoval::Outcome::unavailable); // nobody on the bus

    StandInState state{
        bus.connect(QStringLiteral("packagekit")), Answer::refusesConsent, home.at("vlc.desktop"), {}, 0};
    const StandInPackageKit packageKit(state);
    const PackageRemoval refused = removeWhileServing("vlc");
    EXPECT_EQ(refused.outcome, PackageRemoval::Outcome::failed);
    EXPECT_EQ(refused.detail, "Not authorized");
    // Resolved among installed packages only; exactly that package removed, nothing that
    // depends on it and nothing autoremoved; the system's consent prompt asked for.
    EXPECT_THAT(state.calls, ElementsAre("CreateTransaction", "SetHints interactive=true", "Resolve 4 vlc",
                                         "CreateTransaction", "SetHints interactive=true",
                                         "RemovePackages 0 vlc;3.0.20;amd64;installed:debian no-deps no-autoremove"));
    EXPECT_TRUE(fileops::exists(home.at("vlc.desktop")));

    state.answer = Answer::fails;
    EXPECT_EQ(removeWhileServing("vlc").outcome, PackageRemoval::Outcome::failed);
    EXPECT_EQ(removeWhileServing("not-there").outcome, PackageRemoval::Outcome::notInstalled);
    EXPECT_EQ(removeWhileServing("--purge").outcome, PackageRemoval::Outcome::failed); // never sent
    state.answer = Answer::removes;
    EXPECT_EQ(removeWhileServing("vlc").outcome, PackageRemoval::Outcome::removed);
    EXPECT_FALSE(fileops::exists(home.at("vlc.desktop")));
}

namespace {

class PackageKitUninstall : public CleanFixture {
  protected:
    // vlc of the system's packages: its launcher, a cache and its settings in the home.
    Seeded<InstalledAppItem> vlc()
    {
        home.file("sys/vlc.desktop", 10);
        home.file(".cache/vlc/a", 100);
        home.file(".config/vlc/vlcrc", 100);
        Seeded<InstalledAppItem> app =
            ::app(home.at("sys/vlc.desktop"), 9000, {home.at(".cache/vlc")}, 100, true, "VLC");
        app.record.kind = InstalledAppKind::systemPackage;
        app.record.appId = "vlc";
        app.record.uninstallCommand = "sudo apt remove vlc";
        app.record.removedThroughPackageKit = true;
        app.record.dataFolders = {{home.at(".config/vlc"), 100, "Package: vlc"}};
        return app;
    }
};

} // namespace

TEST_F(PackageKitUninstall, SettingsGoOnlyOnceThePackageWentAndARefusalLeavesTheAppListed)
{
    PrivateBus bus;
    if (!bus.isRunning())
        GTEST_SKIP() << "dbus-daemon is not installed (scripts/bootstrap installs it)";
    const SystemBusIs system(bus.address());
    StandInState state{
        bus.connect(QStringLiteral("packagekit")), Answer::refusesConsent, home.at("sys/vlc.desktop"), {}, 0};
    const StandInPackageKit packageKit(state);

    EngineAccess::setInstalledApps(*engine, {vlc()});
    engine->commands().clean(CleanTarget::appUninstall);
    ASSERT_TRUE(waitForClean(*engine));
    auto reports = engine->cleaner().lastCleanReport();
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[0].reason, CleanSkipReason::removalToolFailed);
    EXPECT_EQ(reports[1].result, CleanItemResult::cleaned); // the cache goes either way
    EXPECT_EQ(reports[2].reason, CleanSkipReason::appStillThere);
    EXPECT_TRUE(fileops::exists(home.at(".config/vlc/vlcrc")));
    ASSERT_EQ(engine->results().installedApps().size(), 1u);

    state.answer = Answer::removes;
    EngineAccess::setInstalledApps(*engine, {vlc()});
    std::vector<double> progress;
    QObject::connect(&engine->cleaner(), &CleanRunner::cleanProgressChanged,
                     [&] { progress.push_back(engine->cleaner().cleanProgress()); });
    engine->commands().clean(CleanTarget::appUninstall);
    ASSERT_TRUE(waitForClean(*engine));
    reports = engine->cleaner().lastCleanReport();
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[0].result, CleanItemResult::cleaned);
    EXPECT_EQ(reports[0].freedBytes, 9000);
    EXPECT_FALSE(reports[0].trashedAt); // nothing of a package comes back from the Trash
    // The package manager's progress moves the overlay within the first of three items.
    EXPECT_THAT(progress, testing::Contains(testing::DoubleNear(0.5 / 3, 1e-9)));
    EXPECT_EQ(reports[2].result, CleanItemResult::cleaned);
    EXPECT_TRUE(reports[2].trashedAt); // its settings do
    EXPECT_FALSE(fileops::exists(home.at(".config/vlc")));
    EXPECT_TRUE(engine->results().installedApps().empty());
}

#include "PackageKitRemovalTest.moc"
