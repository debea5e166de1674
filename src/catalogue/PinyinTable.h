#pragma once

// The built-in initial-letter table of the Chinese characters of GBK (generated data).
namespace PinyinTable {

// The lower-case initial of the character's reading, or '\0' when the table lacks it.
char letter(char16_t code);

} // namespace PinyinTable
