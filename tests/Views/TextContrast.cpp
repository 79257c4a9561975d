#include "Views/TextContrast.h"

#include "Views/LayoutInspection.h"

#include <QFont>
#include <QImage>
#include <QQuickItem>
#include <QQuickWindow>

#include <algorithm>
#include <cmath>

namespace {

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c)
{
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

QColor over(const QColor& top, double alpha, const QColor& bottom)
{
    auto mix = [&](double t, double b) { return t * alpha + b * (1 - alpha); };
    return QColor::fromRgbF(mix(top.redF(), bottom.redF()), mix(top.greenF(), bottom.greenF()),
                            mix(top.blueF(), bottom.blueF()));
}

bool isLarge(const QFont& font)
{
    const int px = font.pixelSize();
    return px >= 24 || (px >= 19 && font.weight() >= QFont::Bold);
}

// Colour glyphs (flags) carry their own colours; the text colour does not apply to them.
bool isOnlyEmoji(const QString& text)
{
    for (const uint code : text.toUcs4())
        if (!(code >= 0x1F1E6 && code <= 0x1F1FF) && !QChar::isSpace(code))
            return false;
    return true;
}

// Glyph pixels differ from the window drawn without the text by more than noise.
bool differs(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) > 24;
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::vector<QString> contrastFaults(QQuickWindow& window, ContrastScope scope)
{
    std::vector<ShownText> texts = shownTexts(window);
    std::erase_if(texts, [scope](const ShownText& shown) {
        return !shown.item->isEnabled() || isOnlyEmoji(shown.item->property("text").toString()) ||
               (scope == ContrastScope::popupsOnly && !shown.inPopup);
    });
    const QImage withTexts = window.grabWindow().convertToFormat(QImage::Format_RGB32);
    std::vector<double> opacities;
    for (const ShownText& shown : texts) {
        opacities.push_back(shown.item->opacity());
        shown.item->setOpacity(0);
    }
    const QImage without = window.grabWindow().convertToFormat(QImage::Format_RGB32);
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i].item->setOpacity(opacities[i]);
    const double scale = withTexts.width() / double(window.width());

    std::vector<QString> faults;
    for (const ShownText& shown : texts) {
        const QColor ink = shown.item->property("color").value<QColor>();
        const double alpha = ink.alphaF() * shown.opacity;
        const QRect area =
            QRectF(shown.drawn.topLeft() * scale, shown.drawn.size() * scale).toAlignedRect() & withTexts.rect();
        std::vector<std::pair<double, QRgb>> ratios; // and the pixel under the glyph
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb drawn = withTexts.pixel(x, y);
                const QRgb under = without.pixel(x, y);
                if (!differs(drawn, under))
                    continue;
                const QColor background = QColor::fromRgb(under);
                ratios.emplace_back(contrastRatio(over(ink, alpha, background), background), under);
            }
        if (ratios.empty())
            continue;
        // A stray pixel (a hairline crossing an edge) is not what the text is read against.
        std::sort(ratios.begin(), ratios.end());
        const auto [ratio, background] = ratios[ratios.size() / 20];
        const QFont font = shown.item->property("font").value<QFont>();
        const double needed = isLarge(font) ? 3.0 : 4.5;
        if (ratio < needed)
            faults.push_back(describe(shown.item) + QStringLiteral(": %1:1 (needs %2:1), ink %3 on %4")
                                                        .arg(ratio, 0, 'f', 2)
                                                        .arg(needed, 0, 'f', 1)
                                                        .arg(ink.name(QColor::HexArgb), QColor(background).name()));
    }
    return faults;
}
