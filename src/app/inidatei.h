// The text of an INI file, edited the way the classic private-profile
// functions edit it: names match regardless of letter case, a value is
// replaced in place, a new key goes to the end of its section, a new section
// to the end of the file, lines end in CR LF, and every line we do not
// understand stays exactly as it was.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class IniDatei {
public:
    IniDatei() = default;
    explicit IniDatei(const std::string& bytes);

    // The integer under section/key, or nothing if section or key is missing.
    // Leading blanks and one sign are allowed; reading stops at the first
    // character that is not a digit; no digits at all read as 0; values beyond
    // 32 bits are held at the limits.
    std::optional<int32_t> lesen(const std::string& sektion, const std::string& schluessel) const;
    // The raw text of the value (trimmed), or nothing.
    std::optional<std::string> text(const std::string& sektion, const std::string& schluessel) const;
    void schreiben(const std::string& sektion, const std::string& schluessel, const std::string& wert);
    void schreiben(const std::string& sektion, const std::string& schluessel, int32_t wert);

    std::string bytes() const;

    static int32_t alsZahl(const std::string& wert);

private:
    struct Zeile {
        std::string text;
        std::string ende;  // "\r\n", "\n", "\r" or "" for an unterminated last line
    };
    // Index of the section's header line, or -1.
    long sektionsKopf(const std::string& sektion) const;
    // Index of the key's line within the section starting after kopf, or -1.
    long schluesselZeile(long kopf, const std::string& schluessel) const;
    std::vector<Zeile> zeilen_;
};
