#pragma once
// Code page 936 two-byte characters as a plain table, so that reading the
// short hand-over files (the first window reads the student's identity)
// does not load the ICU converter and its data. Anything the table does not
// cover goes through the converter as before.
namespace plat::detail {

// Lead byte 0x81..0xFE, trail byte 0x40..0xFE; 0: not a character.
extern const char16_t kGbkPairs[126 * 191];

inline char16_t gbkPair(unsigned char lead, unsigned char trail)
{
    if (lead < 0x81 || lead > 0xFE || trail < 0x40 || trail > 0xFE) return 0;
    return kGbkPairs[(lead - 0x81) * 191 + (trail - 0x40)];
}

}  // namespace plat::detail
