// The text of an INI file, edited the way the classic private-profile
// functions edit it: names match regardless of letter case, a value is
// replaced in place, a new key goes to the end of its section, a new section
// to the end of the file, lines end in CR LF, and every line we do not
// understand stays exactly as it was.
//
// The text is kept as read, in one piece; only the section headers are
// indexed when it is read, the keys of a section when it is first asked for,
// and the changes are kept beside the text until bytes() puts them in. So a
// large file costs a few bytes per header beyond its own size, and a lookup
// costs the same in a large file as in a small one.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

class IniDatei {
public:
    IniDatei() = default;
    // A UTF-8 byte-order mark at the start is read as nothing. Throws
    // std::length_error for a text of 4 GiB or more.
    explicit IniDatei(std::string bytes);

    // The integer under section/key, or nothing if section or key is missing.
    // Leading blanks and one sign are allowed; reading stops at the first
    // character that is not a digit; no digits at all read as 0; values beyond
    // 32 bits are held at the limits.
    std::optional<int32_t> lesen(const std::string& sektion, const std::string& schluessel) const;
    // The same for a value of 64 bits (the balance); within 32 bits it reads
    // exactly as lesen, beyond it is held at the 64-bit limits.
    std::optional<int64_t> lesen64(const std::string& sektion, const std::string& schluessel) const;
    // The raw text of the value (trimmed), or nothing.
    std::optional<std::string> text(const std::string& sektion, const std::string& schluessel) const;
    void schreiben(const std::string& sektion, const std::string& schluessel, const std::string& wert);
    void schreiben(const std::string& sektion, const std::string& schluessel, int32_t wert);
    void schreiben(const std::string& sektion, const std::string& schluessel, int64_t wert);

    std::string bytes() const;

    static int32_t alsZahl(const std::string& wert);
    static int64_t alsZahl64(const std::string& wert);

private:
    // (hash of the lower-case name, position), sorted: equal names lie
    // together, the first in the file first.
    using Index = std::vector<std::pair<uint32_t, uint32_t>>;

    struct Sektion {
        // Sections of the text: the start of their header line, where new keys
        // go (after the last non-blank line), and their keys by line start.
        uint32_t kopf = 0;
        uint32_t einfuege = 0;
        Index schluessel;
        // Sections added at the end of the file carry their name.
        bool amEnde = false;
        std::string name;
        // Lines of keys added to the section, and their lower-case names.
        std::vector<std::string> neueZeilen;
        std::unordered_map<std::string, std::size_t> neueSchluessel;
    };
    // A section and, if it holds the key, the key's line: the start of a
    // line of the text, or a line added to the section.
    struct Fundstelle {
        const Sektion* sektion = nullptr;
        std::optional<uint32_t> alt;
        std::optional<std::size_t> neu;
    };

    std::string_view zeileBei(uint32_t start) const;
    uint32_t naechsteZeile(uint32_t start) const;
    const Sektion* sektionFinden(const std::string& name) const;
    Sektion& sektionErschliessen(std::size_t kopfNr) const;
    Fundstelle finden(const std::string& sektion, const std::string& schluessel) const;
    std::string_view zeileVon(const Fundstelle& f) const;
    void schlussZeileBeenden();

    std::string text_;
    // The start of every header line, in file order, and their names' index.
    std::vector<uint32_t> koepfe_;
    Index kopfIndex_;
    // Sections asked for so far, by the number of their header in koepfe_;
    // only the first header of a name counts.
    mutable std::map<std::size_t, Sektion> alte_;
    std::vector<Sektion> neue_;
    std::unordered_map<std::string, std::size_t> neueNamen_;
    // Lines of the text replaced by a new value, by their start.
    std::map<uint32_t, std::string> ersetzt_;
    // The last line of the text had no line end and has been given CR LF.
    bool schlussBeendet_ = false;
};
