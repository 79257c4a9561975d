#pragma once
// Reads the laid-out item tree of a real window the way a careful reviewer looks at a
// screenshot: which texts are shown, and where a text spills out of its box, is cut by
// something that clips it, is elided without a tooltip holding the whole text, or overlaps
// another text or control.

#include <QRectF>
#include <QString>

#include <vector>

class QQuickItem;
class QQuickWindow;

// A text as drawn: the item, the rectangle its glyphs take in the window (cut to what the
// items that clip it let through), and its effective opacity.
struct ShownText {
    QQuickItem* item = nullptr;
    QRectF drawn;
    double opacity = 1;
    bool inPopup = false; // drawn in a popup (a popover, a menu, a dialog) above the window
};

// Every text the window shows now, popups included, in drawing order.
std::vector<ShownText> shownTexts(QQuickWindow& window);

// One line per fault, naming the item; empty when the window reads right.
std::vector<QString> layoutFaults(QQuickWindow& window);

// How the item reads in a fault: its object name, or its text, and its QML type.
QString describe(const QQuickItem* item);
