#pragma once

#include <QRgb>

inline constexpr int kFixtureIconSize = 16;
inline constexpr QRgb kFixtureIconColor = 0xFF2A96FF;
