#include "Platform/PackageKitRemoval.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <atomic>

namespace {

const QString kService = QStringLiteral("org.freedesktop.PackageKit");
const QString kTransaction = QStringLiteral("org.freedesktop.PackageKit.Transaction");
constexpr quint64 kFilterInstalled = quint64(1) << 2;
constexpr unsigned kExitSuccess = 1;
// A consent prompt waits for the person; past this the transaction is given up on.
constexpr int kLongestWaitMs = 30 * 60 * 1000;

// One transaction's signals, heard until Finished.
class TransactionWatch : public QObject {
    Q_OBJECT
  public:
    TransactionWatch(QDBusConnection bus, const QString& path, std::function<void(int)> percent)
        : bus_(std::move(bus)), path_(path), percent_(std::move(percent))
    {
        bus_.connect(kService, path_, kTransaction, QStringLiteral("Package"), this,
                     SLOT(onPackage(uint, QString, QString)));
        bus_.connect(kService, path_, kTransaction, QStringLiteral("ErrorCode"), this, SLOT(onError(uint, QString)));
        bus_.connect(kService, path_, kTransaction, QStringLiteral("Finished"), this, SLOT(onFinished(uint, uint)));
        bus_.connect(kService, path_, QStringLiteral("org.freedesktop.DBus.Properties"),
                     QStringLiteral("PropertiesChanged"), this, SLOT(onProperties(QString, QVariantMap, QStringList)));
    }

    // Calls `method` on the transaction and waits for its Finished; false when the call
    // itself failed (detail says why).
    bool run(const QString& method, const QVariantList& arguments)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(kService, path_, kTransaction, method);
        call.setArguments(arguments);
        const QDBusMessage reply = bus_.call(call, QDBus::Block, kLongestWaitMs);
        if (reply.type() == QDBusMessage::ErrorMessage) {
            detail = reply.errorName().toStdString() + ": " + reply.errorMessage().toStdString();
            return false;
        }
        if (!finished_) {
            QTimer::singleShot(kLongestWaitMs, &loop_, &QEventLoop::quit);
            loop_.exec();
        }
        return finished_;
    }

    QStringList packageIds;
    unsigned exit = 0;
    unsigned error = 0;
    std::string detail;

  private Q_SLOTS:
    void onPackage(uint, const QString& id, const QString&) { packageIds.append(id); }
    void onError(uint code, const QString& details)
    {
        error = code;
        detail = details.toStdString();
    }
    void onFinished(uint exitCode, uint)
    {
        exit = exitCode;
        finished_ = true;
        loop_.quit();
    }
    void onProperties(const QString&, const QVariantMap& changed, const QStringList&)
    {
        const auto value = changed.find(QStringLiteral("Percentage"));
        if (value != changed.end() && percent_ && value->toUInt() <= 100)
            percent_(int(value->toUInt()));
    }

  private:
    QDBusConnection bus_;
    QString path_;
    std::function<void(int)> percent_;
    QEventLoop loop_;
    bool finished_ = false;
};

std::optional<QString> createTransaction(QDBusConnection& bus, PackageRemoval& result)
{
    const QDBusMessage reply =
        bus.call(QDBusMessage::createMethodCall(kService, QStringLiteral("/org/freedesktop/PackageKit"), kService,
                                                QStringLiteral("CreateTransaction")),
                 QDBus::Block, 60'000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        const QString name = reply.errorName();
        result.outcome = name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
                                 name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner")
                             ? PackageRemoval::Outcome::unavailable
                             : PackageRemoval::Outcome::failed;
        result.detail = name.toStdString() + ": " + reply.errorMessage().toStdString();
        return std::nullopt;
    }
    const QString path = reply.arguments().front().value<QDBusObjectPath>().path();
    // Asks for the system's consent prompt rather than a silent refusal.
    QDBusMessage hints = QDBusMessage::createMethodCall(kService, path, kTransaction, QStringLiteral("SetHints"));
    hints.setArguments({QStringList{QStringLiteral("interactive=true")}});
    bus.call(hints, QDBus::Block, 60'000);
    return path;
}

// A connection of our own, so nothing of the process's shared system bus is touched.
class OwnConnection {
  public:
    OwnConnection() : name_(QStringLiteral("quillmere-packagekit-%1").arg(++counter_)), bus_(connect(name_)) {}
    ~OwnConnection() { QDBusConnection::disconnectFromBus(name_); }
    QDBusConnection& bus() { return bus_; }

  private:
    // The address is read each time: the bus library reads it only once per process.
    static QDBusConnection connect(const QString& name)
    {
        const QByteArray address = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
        return address.isEmpty() ? QDBusConnection::connectToBus(QDBusConnection::SystemBus, name)
                                 : QDBusConnection::connectToBus(QString::fromUtf8(address), name);
    }
    static inline std::atomic<int> counter_{0};
    QString name_;
    QDBusConnection bus_;
};

} // namespace

bool isPackageName(std::string_view name)
{
    if (name.size() < 2 || !(std::islower(static_cast<unsigned char>(name.front())) ||
                             std::isdigit(static_cast<unsigned char>(name.front()))))
        return false;
    for (char c : name)
        if (!(c >= 'a' && c <= 'z') && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.')
            return false;
    return true;
}

PackageRemoval removeWithPackageKit(const std::string& package, const std::function<void(int)>& percent)
{
    PackageRemoval result;
    if (!isPackageName(package)) {
        result.detail = "not a package name";
        return result;
    }
    OwnConnection connection;
    QDBusConnection& bus = connection.bus();
    if (!bus.isConnected()) {
        result.outcome = PackageRemoval::Outcome::unavailable;
        result.detail = bus.lastError().message().toStdString();
        return result;
    }
    // Which installed package ids bear exactly this name ("name;version;arch;data").
    const auto resolving = createTransaction(bus, result);
    if (!resolving)
        return result;
    TransactionWatch resolve(bus, *resolving, {});
    if (!resolve.run(QStringLiteral("Resolve"),
                     {QVariant::fromValue(kFilterInstalled), QStringList{QString::fromStdString(package)}}) ||
        resolve.exit != kExitSuccess) {
        result.error = resolve.error;
        result.detail = resolve.detail;
        return result;
    }
    QStringList ids;
    for (const QString& id : resolve.packageIds)
        if (id.section(QLatin1Char(';'), 0, 0) == QString::fromStdString(package))
            ids.append(id);
    if (ids.isEmpty()) {
        result.outcome = PackageRemoval::Outcome::notInstalled;
        return result;
    }
    const auto removing = createTransaction(bus, result);
    if (!removing)
        return result;
    TransactionWatch remove(bus, *removing, percent);
    // No flags, never what depends on it (allow_deps false), nothing else autoremoved.
    const bool ran = remove.run(QStringLiteral("RemovePackages"), {QVariant::fromValue(quint64(0)), ids, false, false});
    result.error = remove.error;
    result.detail = remove.detail;
    if (ran && remove.exit == kExitSuccess)
        result.outcome = PackageRemoval::Outcome::removed;
    return result;
}

#include "PackageKitRemoval.moc"
