#include "ShownListAdapter.h"

ShownListAdapter::ShownListAdapter(ShownList list, StorageEngine& engine, QObject* parent)
    : QObject(parent), engine_(engine), list_(list)
{
}
