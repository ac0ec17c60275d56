// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

// Splitting a text into the records and fields of RFC 4180, with the separator a caller names:
// commas for CSV files, tabs for what spreadsheets put on the clipboard.
namespace reports {

// One record of a text and the physical line (1-based) where it starts; a quoted field may run
// over several lines. Field 1, as a spreadsheet counts columns, is element 0.
struct CsvRecord {
    int line = 0;
    std::vector<std::string> fields;
    // Fields past the most a record keeps (MaxFieldsKept), counted but not kept, and whether any
    // of them held text: no line of this program's files comes near that many.
    std::size_t droppedFields = 0;
    bool droppedText = false;
};

// Fields of a record kept as text; the rest are only counted.
inline constexpr std::size_t MaxFieldsKept = 64;

struct CsvRecords {
    std::vector<CsvRecord> records;
    // Where a quoted field opens that the text never closes (0 when every quote closes); the
    // text from there on is that field's.
    int unclosedQuoteLine = 0;
    int unclosedQuoteColumn = 0;
    // The line of the first record beyond `maxRecords` (0 when there is none): the text was read
    // no further.
    int firstLineBeyondLimit = 0;
};

// Records split at `separator`, quoted fields with doubled quotes and line breaks inside, lines
// ending in CR LF, LF or (in a text without LF) CR alone. A UTF-8 byte-order mark at the start is
// dropped, and so are empty records (none but empty fields) at the start and at the end. A quote
// inside an unquoted field, or after a closing quote, is taken as a character. At most `maxRecords`
// records are kept (empty ones within the text count, those at its end do not), so that the memory
// the records take stays in proportion to what a caller can use.
[[nodiscard]] CsvRecords
SplitCsvRecords(std::string_view text, char separator = ',',
                std::size_t maxRecords = std::numeric_limits<std::size_t>::max());

// Whether a record holds no text at all.
[[nodiscard]] bool IsEmptyRecord(const CsvRecord& record);

// The fields of a record up to its last non-empty one: spreadsheets often pad lines with
// separators.
[[nodiscard]] std::size_t UsedFieldCount(const CsvRecord& record);

} // namespace reports
