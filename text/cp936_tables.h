// Code page 936 as Windows maps it, generated at build time from ICU's windows-936 tables.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vexlune::cp936 {

// UTF-16 unit of the pair (lead, trail) at [(lead - 0x81) * 256 + trail]; 0x003F ("?") where
// the trail byte is not a valid one (below 0x40, 0x7F, 0xFF).
extern const std::uint16_t kDecodePair[126 * 256];

// UTF-16 unit of a byte read alone: ASCII, 0x80 the euro sign, 0xFF U+F8F5, a lead byte "?".
extern const std::uint16_t kDecodeSingle[256];

// GBK code of each UTF-16 unit, with the Windows best-fit choices: values above 0xFF are two
// bytes (lead first); 0x3F where GBK has nothing, surrogates included.
extern const std::uint16_t kEncode[65536];

// A base character followed by a combining mark that GBK can show as one precomposed character.
struct Composition {
  std::uint16_t base;
  std::uint16_t mark;
  std::uint16_t gbk;
};
extern const Composition kCompositions[];  // sorted by (base, mark)
extern const std::size_t kCompositionCount;

}  // namespace vexlune::cp936
