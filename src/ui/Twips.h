#pragma once

#include <QRect>
#include <QSize>

// Layout figures are written in twips, as the screens were designed: 15 twips make a pixel.
namespace Twips {

constexpr int TwipsPerPixel = 15;

constexpr int px(int twips) {
    return twips / TwipsPerPixel;
}
constexpr int twips(int pixels) {
    return pixels * TwipsPerPixel;
}
constexpr QRect rect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}
constexpr QSize size(int width, int height) {
    return QSize(px(width), px(height));
}

} // namespace Twips
