#include "toolkit/looks/style.h"

namespace toolkit {

const TStyle WIN10STYLE = {"WIN10STYLE", {0xFFFFFF}, {0xD9D9D9}, {0xF0F0F0}, {0xCCCCCC}, {0xD4D4D4}, {0x2A96FF}};
const TStyle WIN8STYLE = {"WIN8STYLE", {0xFFFFFF}, {0xACACAC}, {0xF0F0F0}, {0x979797}, {0xC1C1C1}, {0x2A96FF}};
const TStyle WIN7STYLE = {"WIN7STYLE", {0xFFFFFF}, {0x898C95}, {0xF4F4F4}, {0x979797}, {0xBFBFBF}, {0x3399FF}};

namespace {

const TStyle* current = &WIN10STYLE;

}  // namespace

const TStyle& StyleForVersion(const platform::SystemVersion& version) {
  if (!version.windows || version.major >= 10) return WIN10STYLE;
  if (version.major > 6 || (version.major == 6 && version.minor > 1)) return WIN8STYLE;
  return WIN7STYLE;
}

const TStyle& CurrentStyle() { return *current; }

void UseStyle(const TStyle& style) { current = &style; }

}  // namespace toolkit
