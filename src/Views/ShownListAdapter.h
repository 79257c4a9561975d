#pragma once
// One list a workspace shows, as the window works with it: its rows (a list model that
// follows the engine's publishes by id), toggling and inspecting a row, select-all, what is
// selected and the clean items it hands to the engine. The window and its presenters reach
// every list through this, so no rule of a list is written twice.

#include "InspectedItem.h"
#include "SyncedListModel.h"
#include "WindowLists.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

#include <optional>
#include <vector>

class StorageEngine;
struct CleanItem;

class ShownListAdapter : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The window owns its lists")

  public:
    ShownListAdapter(ShownList list, StorageEngine& engine, QObject* parent);

    ShownList list() const { return list_; }
    virtual SyncedListModel& rows() = 0;
    virtual const SyncedListModel& rows() const = 0;
    bool isEmpty() const { return rows().count() == 0; }
    // Makes the rows what the engine holds now.
    virtual void follow() = 0;

    // A row's check box (or Space on it); rows that cannot be selected stay as they are.
    Q_INVOKABLE virtual void toggle(int row) = 0;
    // Select-all: every row shown becomes selected, or all are deselected when they were.
    Q_INVOKABLE void toggleAll() { setAllSelected(!allSelected()); }
    virtual bool allSelected() const = 0;
    virtual void setAllSelected(bool selected) = 0;

    virtual std::optional<InspectedItem> itemAt(int row) const = 0;
    // The row that shows this record, -1 when none does.
    virtual int rowOf(const InspectedItem& item) const = 0;
    // The engine's current copy of a record of this list, while it still lists it.
    virtual std::optional<InspectedItem> latest(const InspectedItem& item) const = 0;

    // What the engine holds of this list, whichever part of it the rows show.
    virtual qsizetype recordCount() const = 0;
    virtual Int64 scannedBytes() const = 0;
    virtual Int64 selectedBytes() const = 0;
    // What a clean of this list hands to the engine, and that clean.
    virtual std::vector<CleanItem> cleanItems() const = 0;
    virtual void clean() = 0;
    // The clean removes what a person made or installed (copies, applications), not caches.
    virtual bool cleanRemoves() const { return false; }

  Q_SIGNALS:
    // The engine published the list and the rows followed.
    void published();
    // The rows show another part of the list (a category) or in another mode.
    void filterChanged();

  protected:
    StorageEngine& engine_;

  private:
    ShownList list_;
};
