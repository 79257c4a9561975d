#pragma once
// What the workspace column shows besides its rows, in the current language: the workspace's
// header, select-all, empty state, primary and smart-clean buttons, the feedback banner, the
// clean progress overlay and the confirmation of a permanent delete. Derived on every read
// from the shown list's adapter and the engine; the signals say which group of values may
// have changed.

#include "L10n/AppLanguage.h"
#include "Models/Basics.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <optional>

class StorageEngine;
class FolderAccess;
class WorkspaceLists;

class WorkspaceColumnPresenter : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The window owns its column")
    // The workspace shown, its sub-tab and mode, and the language.
    Q_PROPERTY(QString headerTitle READ headerTitle NOTIFY shapeChanged)
    Q_PROPERTY(QString headerSubtitle READ headerSubtitle NOTIFY shapeChanged)
    Q_PROPERTY(QColor accent READ accent NOTIFY shapeChanged)
    Q_PROPERTY(QString primaryActionTitle READ primaryActionTitle NOTIFY shapeChanged)
    Q_PROPERTY(bool primaryActionRemoves READ primaryActionRemoves NOTIFY shapeChanged)
    Q_PROPERTY(QString emptyTitle READ emptyTitle NOTIFY shapeChanged)
    Q_PROPERTY(QString emptyMessage READ emptyMessage NOTIFY shapeChanged)
    Q_PROPERTY(QString emptySymbol READ emptySymbol NOTIFY shapeChanged)
    Q_PROPERTY(QString emptyNextTitle READ emptyNextTitle NOTIFY shapeChanged)
    Q_PROPERTY(bool showsApplicationsBanner READ showsApplicationsBanner NOTIFY shapeChanged)
    // What the lists hold and what is selected.
    Q_PROPERTY(bool hasRows READ hasRows NOTIFY contentChanged)
    // The primary clean has something to clean in the shown list.
    Q_PROPERTY(bool canCleanShown READ canCleanShown NOTIFY contentChanged)
    Q_PROPERTY(bool showsEmptyState READ showsEmptyState NOTIFY contentChanged)
    Q_PROPERTY(QString selectAllTitle READ selectAllTitle NOTIFY contentChanged)
    Q_PROPERTY(QString selectAllSymbol READ selectAllSymbol NOTIFY contentChanged)
    Q_PROPERTY(QString currentTabSelectedText READ currentTabSelectedText NOTIFY contentChanged)
    Q_PROPERTY(QString smartCleanTotalText READ smartCleanTotalText NOTIFY contentChanged)
    Q_PROPERTY(bool canSmartClean READ canSmartClean NOTIFY contentChanged)
    Q_PROPERTY(QString rescanTitle READ rescanTitle NOTIFY contentChanged)
    // The last clean or restore, and the clean running now.
    Q_PROPERTY(bool bannerVisible READ bannerVisible NOTIFY feedbackChanged)
    Q_PROPERTY(QString bannerText READ bannerText NOTIFY feedbackChanged)
    Q_PROPERTY(QString undoTitle READ undoTitle NOTIFY feedbackChanged)
    Q_PROPERTY(bool canUndo READ canUndo NOTIFY feedbackChanged)
    // What the restore history says while it holds nothing.
    Q_PROPERTY(QString restoreEmptyText READ restoreEmptyText NOTIFY feedbackChanged)
    Q_PROPERTY(QString cleanTitle READ cleanTitle NOTIFY cleanChanged)
    Q_PROPERTY(double cleanProgress READ cleanProgress NOTIFY cleanChanged)
    Q_PROPERTY(QString cleanItemName READ cleanItemName NOTIFY cleanChanged)
    // A permanent delete waiting for the person's word.
    Q_PROPERTY(bool confirmationVisible READ confirmationVisible NOTIFY confirmationChanged)
    Q_PROPERTY(QString confirmationMessage READ confirmationMessage NOTIFY confirmationChanged)
    Q_PROPERTY(QString confirmationAction READ confirmationAction NOTIFY confirmationChanged)

  public:
    WorkspaceColumnPresenter(WorkspaceLists& lists, StorageEngine& engine, FolderAccess& access,
                             QObject* parent = nullptr);

    void setLanguage(AppLanguage language);
    // The size a permanent delete waits to have confirmed; none while nothing waits.
    void setPendingCleanBytes(std::optional<Int64> bytes);

    QString headerTitle() const;
    QString headerSubtitle() const;
    QColor accent() const;
    QString primaryActionTitle() const;
    bool primaryActionRemoves() const;
    bool canCleanShown() const;
    QString emptyTitle() const;
    QString emptyMessage() const;
    QString emptySymbol() const;
    QString emptyNextTitle() const;
    bool showsApplicationsBanner() const;

    bool hasRows() const;
    bool showsEmptyState() const;
    QString selectAllTitle() const;
    QString selectAllSymbol() const;
    QString currentTabSelectedText() const;
    QString smartCleanTotalText() const;
    bool canSmartClean() const;
    QString rescanTitle() const;

    bool bannerVisible() const;
    QString bannerText() const;
    QString undoTitle() const;
    bool canUndo() const;
    QString restoreEmptyText() const;
    QString cleanTitle() const;
    double cleanProgress() const;
    QString cleanItemName() const;

    bool confirmationVisible() const;
    QString confirmationMessage() const;
    QString confirmationAction() const;

  Q_SIGNALS:
    void shapeChanged();
    void contentChanged();
    void feedbackChanged();
    void cleanChanged();
    void confirmationChanged();

  private:
    WorkspaceLists& lists_;
    StorageEngine& engine_;
    FolderAccess& access_;
    AppLanguage language_ = AppLanguage::zhHans;
    std::optional<Int64> pendingCleanBytes_;
    // What a clean of every workspace frees: a walk over all the results, so it is counted
    // once per change of the content, not once per binding that shows it.
    Int64 smartCleanBytes() const;
    mutable std::optional<Int64> smartCleanBytes_;
};
