#pragma once

#include "core/text/bytetext.h"
#include "core/text/textencoding.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace pagoranto {

// Field n (from 1) of a description line; fields are separated by "|". Beyond the last field
// the text is empty.
std::string DescriptionField(std::string_view line, int n);

// The descriptions of one picture directory: a line per picture, its file name, then its
// description lines, all separated by "|". A description ends at its first empty field.
class DescriptionStore {
public:
    static constexpr std::string_view fileName = "description.desc";

    // False when the file cannot be read; the store then keeps what it held.
    bool Load(const std::filesystem::path &file);
    bool Save(const std::filesystem::path &file) const;
    // The first "*.desc" file of dir in alphabetical order; without one, or when it cannot be
    // read, the store is emptied, so that no other directory's lines are saved into this one.
    void LoadFromDirectory(const std::filesystem::path &dir);

    // The description lines of the first line whose name matches without regard to case.
    ByteLines DescriptionLines(std::string_view pictureName) const;
    // Each line escaped, joined by "<br>".
    std::string LookupDescription(std::string_view pictureName) const;
    std::string LookupDescriptionFirstLine(std::string_view pictureName) const;

    // The lines are kept in the encoding the file was read in, and saved back in it.
    FileEncoding encoding() const { return m_encoding; }
    // The characters of the memo lines (UTF-8) that the store's encoding cannot hold.
    std::string UnheldCharacters(const ByteLines &memoLines) const;
    // Every line as UTF-8, for memo lines the file's encoding cannot hold.
    void ConvertToUtf8();

    // Replaces the picture's line, or appends one, with the non-empty memo lines (UTF-8)
    // trimmed and in the store's encoding. The picture name is kept as the bytes it is.
    void StoreDescription(std::string_view pictureName, const ByteLines &memoLines);

    const ByteLines &lines() const { return m_lines; }
    // The encoding follows the lines: UTF-8 unless they are not valid UTF-8.
    void SetLines(ByteLines lines);

private:
    // The first line whose name matches without regard to case.
    std::optional<std::size_t> FindLine(std::string_view pictureName) const;
    void Changed() { m_firstLineOfName.clear(); }

    ByteLines m_lines;
    FileEncoding m_encoding = FileEncoding::utf8;
    // Upper-case name to its first line, made at the first lookup after a change: a gallery of
    // thousands of described pictures looks each one up for every page that shows it.
    mutable std::unordered_map<std::string, std::size_t> m_firstLineOfName;
};

} // namespace pagoranto
