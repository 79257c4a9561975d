#pragma once
// Measures, on the window as drawn, the contrast between each shown text (icons drawn as
// text included) and what it is drawn on: the window is drawn once with its texts and once
// without, and every pixel a text's glyphs cover is compared, in the text's colour, with the
// pixel under it. WCAG 2.1 AA: 4.5:1, or 3:1 for large text (24 px, or 18.66 px bold).

#include <QColor>
#include <QString>

#include <vector>

class QQuickWindow;

// The WCAG contrast ratio of two opaque colours, 1…21.
double contrastRatio(const QColor& a, const QColor& b);

// One line per text below its threshold (disabled controls are exempt, as WCAG has it).
// Under a modal dialog only the dialog's texts count: the window behind it is dimmed on
// purpose and takes no input.
enum class ContrastScope { wholeWindow, popupsOnly };
std::vector<QString> contrastFaults(QQuickWindow& window, ContrastScope scope = ContrastScope::wholeWindow);
