#pragma once
// The disk overview as the window shows it, in the current language: the cockpit's ring and
// its "other zones" line, and the sidebar's disk block. Derived on every read from the
// workspaces' lists and the engine; `changed` says the figures may have moved.

#include "L10n/AppLanguage.h"
#include "Models/Basics.h"

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

class StorageEngine;
class WorkspaceLists;
struct OverviewRingFigures;

class OverviewPresenter : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The window owns its overview")
    // The ring.
    Q_PROPERTY(double usedRatio READ usedRatio NOTIFY changed)
    Q_PROPERTY(double reclaimableRatio READ reclaimableRatio NOTIFY changed)
    Q_PROPERTY(QString centerValueText READ centerValueText NOTIFY changed)
    Q_PROPERTY(QString centerLabelText READ centerLabelText NOTIFY changed)
    // What the other workspaces have selected, under the cockpit's figure.
    Q_PROPERTY(QString otherZonesText READ otherZonesText NOTIFY changed)
    // The sidebar's disk block; until the first figures arrive it says it is measuring.
    Q_PROPERTY(bool measured READ measured NOTIFY changed)
    Q_PROPERTY(QString volumeName READ volumeName NOTIFY changed)
    Q_PROPERTY(QString availableText READ availableText NOTIFY changed)
    Q_PROPERTY(QString totalText READ totalText NOTIFY changed)
    Q_PROPERTY(QString freedText READ freedText NOTIFY changed)

  public:
    OverviewPresenter(WorkspaceLists& lists, StorageEngine& engine, QObject* parent = nullptr);

    void setLanguage(AppLanguage language);
    bool measured() const;

    // S: what the four workspaces' selections add up to.
    Int64 allSelectedBytes() const;
    OverviewRingFigures figures() const;

    double usedRatio() const;
    double reclaimableRatio() const;
    QString centerValueText() const;
    QString centerLabelText() const;
    QString otherZonesText() const;
    QString volumeName() const;
    QString availableText() const;
    QString totalText() const;
    QString freedText() const;

  Q_SIGNALS:
    void changed();

  private:
    WorkspaceLists& lists_;
    StorageEngine& engine_;
    AppLanguage language_ = AppLanguage::zhHans;
};
