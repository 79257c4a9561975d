#pragma once
// What the first window shows of the engine, as QML-readable properties.

#include "Services/MacStorageScanner.h"

#include <QObject>

class ScannerBridge : public QObject {
    Q_OBJECT
    Q_PROPERTY(double progress READ progress NOTIFY changed)
    Q_PROPERTY(bool scanning READ scanning NOTIFY changed)
    Q_PROPERTY(QString phaseText READ phaseText NOTIFY changed)
    Q_PROPERTY(QString statusText READ statusText NOTIFY changed)
    Q_PROPERTY(QString volumeName READ volumeName NOTIFY changed)
    Q_PROPERTY(QString totalText READ totalText NOTIFY changed)
    Q_PROPERTY(QString availableText READ availableText NOTIFY changed)
    Q_PROPERTY(QString trashText READ trashText NOTIFY changed)
    Q_PROPERTY(double usedRatio READ usedRatio NOTIFY changed)

public:
    explicit ScannerBridge(MacStorageScanner* scanner, QObject* parent = nullptr);

    double progress() const { return scanner_->scanProgress(); }
    bool scanning() const { return scanner_->isScanning(); }
    QString phaseText() const { return QString::fromStdString(scanner_->currentScanningPath()); }
    QString statusText() const { return QString::fromStdString(scanner_->scanStatusText()); }
    QString volumeName() const;
    QString totalText() const;
    QString availableText() const;
    QString trashText() const;
    double usedRatio() const { return scanner_->overview().usedRatio(); }

Q_SIGNALS:
    void changed();

private:
    MacStorageScanner* scanner_;
};
