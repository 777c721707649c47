#pragma once

// The bands of the skin's panel bitmap that buttons draw from.
namespace ButtonBandIndex {
constexpr int Inactive = 0;
constexpr int Active = 1;
constexpr int On = 2;
constexpr int Hover = 3;
constexpr int Pressed = 4;
constexpr int Count = 5;
}  // namespace ButtonBandIndex

// The band a button shows: pressed over hover over latched on over the
// application's active or inactive look.
int ButtonBand(bool pressed, bool hover, bool on, bool appActive);
