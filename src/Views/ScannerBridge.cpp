#include "ScannerBridge.h"

#include "Models/DiskFormat.h"

ScannerBridge::ScannerBridge(MacStorageScanner* scanner, QObject* parent) : QObject(parent), scanner_(scanner)
{
    for (auto signal : {&MacStorageScanner::scanProgressChanged, &MacStorageScanner::isScanningChanged,
                        &MacStorageScanner::currentScanningPathChanged, &MacStorageScanner::scanStatusTextChanged,
                        &MacStorageScanner::overviewChanged})
        connect(scanner_, signal, this, &ScannerBridge::changed);
}

QString ScannerBridge::volumeName() const { return QString::fromStdString(scanner_->overview().volumeName); }
QString ScannerBridge::totalText() const
{
    return QString::fromStdString(DiskFormat::bytes(scanner_->overview().totalBytes));
}
QString ScannerBridge::availableText() const
{
    return QString::fromStdString(DiskFormat::bytes(scanner_->overview().availableBytes));
}
QString ScannerBridge::trashText() const
{
    return QString::fromStdString(DiskFormat::bytes(scanner_->overview().trashBytes));
}
