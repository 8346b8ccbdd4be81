// The level counts the conversion tests run through.
#ifndef CORVANEL_CONVERSION_ESSAI_H
#define CORVANEL_CONVERSION_ESSAI_H

#include <cstdint>

namespace Essai
{
inline constexpr std::uint8_t Nombres[] = {2, 4, 8};
} // namespace Essai

#endif
