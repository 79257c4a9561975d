#include "ShownListAdapter.h"

ShownListAdapter::ShownListAdapter(ShownList list, MacStorageScanner& engine, QObject* parent)
    : QObject(parent), engine_(engine), list_(list)
{
}
