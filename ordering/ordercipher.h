#pragma once
// The order cipher, shared by the program (enciphering) and the maker's order
// server (deciphering): the 68-character plain alphabet, the one fixed key
// table, and the position-dependent substitution in both directions.
// Standard C++ only.

#include <optional>
#include <string>
#include <string_view>

namespace ordering {

// The characters allowed in the order fields, in cipher order.
inline constexpr std::string_view kAlphabet =
    "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-.@_, ";

// A fixed permutation of kAlphabet: distinct characters, none of which is an
// apostrophe, "\", "/", CR or LF, so the text sits inside a single-quoted
// HTML attribute and the line-end markers stay unambiguous.
inline constexpr std::string_view kKeyTable =
    "R0wgDfFV5e3StLZTp-@Q4Kom,Hur6POChbBsEU2A8q1N7JnlI zc_kxdaMyY.Wiv9GjX";

// Enciphered text is broken into lines of this many characters.
inline constexpr std::size_t kCipherLineLength = 70;

// `plain`, read as UTF-8, one byte a character as the cipher sees it: a
// character of `alphabet`, CR and LF stay; any other character, and a byte
// that is not valid UTF-8, becomes one blank.
std::string cipherCharacters(std::string_view plain, std::string_view alphabet);

// Enciphers `plain`, read as UTF-8, character by character: CR becomes "\",
// LF becomes "/", any other character the key character shifted by its
// 1-based position modulo the table size. A character outside `alphabet`,
// and a byte that is not valid UTF-8, is enciphered as one blank. After
// every kCipherLineLength input characters a CR LF line break is written.
// `alphabet` and `keyTable` must have the same length and no repeats.
std::string FileEncrypt(std::string_view plain, std::string_view alphabet,
                        std::string_view keyTable);

// Undoes FileEncrypt. CR and LF in `enciphered` are line breaks and are
// skipped, whatever line ends a browser or mailer turned them into.
// Nothing when a character is in neither the key table nor the markers.
std::optional<std::string> decipherOrder(std::string_view enciphered,
                                         std::string_view alphabet,
                                         std::string_view keyTable);

}  // namespace ordering
