#pragma once

#include <QString>

#include <array>

namespace core {

// Bar and space widths of the Code 128 symbols: values 0..105 as six digits, the stop
// pattern as entry 106.
const std::array<QString, 107>& Code128Patterns();

} // namespace core
