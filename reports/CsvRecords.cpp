// SPDX-License-Identifier: MIT
#include "CsvRecords.h"

#include <algorithm>

namespace reports {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Builds the records one character at a time. Empty records are held back as runs of equal ones
// and kept only when a record with text follows, so that a text of nothing but line ends costs
// no memory and trailing empty records never count against the limit.
class Splitter {
public:
    Splitter(char separator, std::size_t maxRecords)
        : separator_(separator)
        , maxRecords_(maxRecords) {}

    CsvRecords Split(std::string_view text);

private:
    struct EmptyRun {
        int line = 0;
        std::size_t count = 0;
        std::size_t fields = 0;
    };

    void AddField();
    // False when the record went beyond the limit and reading stops.
    [[nodiscard]] bool EndRecord();
    [[nodiscard]] bool KeepHeldBack();
    [[nodiscard]] bool Keep(CsvRecord record);

    char separator_;
    std::size_t maxRecords_;
    CsvRecords result_;
    std::vector<EmptyRun> heldBack_;
    int line_ = 1;
    CsvRecord record_{1, {}};
    std::string field_;
};

void Splitter::AddField() {
    if (record_.fields.size() < MaxFieldsKept) {
        record_.fields.push_back(std::move(field_));
    } else {
        ++record_.droppedFields;
        record_.droppedText = record_.droppedText || !field_.empty();
    }
    field_.clear();
}

bool Splitter::EndRecord() {
    CsvRecord record = std::move(record_);
    record_ = {line_, {}};
    if (IsEmptyRecord(record)) {
        // Empty records before the first one with text are dropped, as those at the end are.
        if (result_.records.empty())
            return true;
        const std::size_t fields = record.fields.size() + record.droppedFields;
        if (!heldBack_.empty()) {
            EmptyRun& last = heldBack_.back();
            if (last.fields == fields && last.line + static_cast<int>(last.count) == record.line) {
                ++last.count;
                return true;
            }
        }
        heldBack_.push_back({record.line, 1, fields});
        return true;
    }
    return KeepHeldBack() && Keep(std::move(record));
}

bool Splitter::KeepHeldBack() {
    for (const EmptyRun& run : heldBack_)
        for (std::size_t i = 0; i < run.count; ++i)
            if (!Keep({run.line + static_cast<int>(i), std::vector<std::string>(run.fields), 0,
                       false}))
                return false;
    heldBack_.clear();
    return true;
}

bool Splitter::Keep(CsvRecord record) {
    if (result_.records.size() >= maxRecords_) {
        result_.firstLineBeyondLimit = record.line;
        return false;
    }
    result_.records.push_back(std::move(record));
    return true;
}

CsvRecords Splitter::Split(std::string_view text) {
    if (text.starts_with(ByteOrderMark))
        text.remove_prefix(ByteOrderMark.size());
    bool fieldStarted = false;  // a character or quote of the current field has been read
    bool recordStarted = false; // anything of the current record has been read
    // CR alone ends lines only in a text whose lines all end so (old Macintosh programs, some
    // spreadsheets). Where lines end in LF, a CR without one is a stray character of its field,
    // reported there, rather than a line end that would cut a record in two and move every
    // later line.
    const bool crAloneEndsLines = text.find('\n') == std::string_view::npos;
    const auto endsLine = [&](std::size_t at) {
        return text[at] == '\n' ||
               (text[at] == '\r' &&
                (crAloneEndsLines || (at + 1 < text.size() && text[at + 1] == '\n')));
    };
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '"' && !fieldStarted) {
            const int openLine = line_;
            for (++i;; ++i) {
                if (i >= text.size()) {
                    result_.unclosedQuoteLine = openLine;
                    result_.unclosedQuoteColumn = static_cast<int>(record_.fields.size()) + 1;
                    AddField();
                    // The unclosed field is text: the record is kept whatever the limit, and so
                    // are the empty ones before it.
                    maxRecords_ = std::numeric_limits<std::size_t>::max();
                    (void)KeepHeldBack();
                    result_.records.push_back(std::move(record_));
                    return std::move(result_);
                }
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field_ += '"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                // A line break inside a field counts as a line, CR LF once.
                if (text[i] == '\n' || (text[i] == '\r' && crAloneEndsLines))
                    ++line_;
                field_ += text[i];
            }
            fieldStarted = recordStarted = true;
            continue;
        }
        const bool lineEnd = endsLine(i);
        if (c == separator_ || lineEnd) {
            AddField();
            fieldStarted = false;
            recordStarted = true;
        }
        if (lineEnd) {
            ++line_;
            if (!EndRecord())
                return std::move(result_);
            recordStarted = false;
            i += c == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
            continue;
        }
        if (c != separator_) {
            field_ += c;
            fieldStarted = recordStarted = true;
        }
        ++i;
    }
    if (recordStarted) {
        AddField();
        ++line_;
        (void)EndRecord();
    }
    return std::move(result_);
}

} // namespace

bool IsEmptyRecord(const CsvRecord& record) {
    return !record.droppedText &&
           std::all_of(record.fields.begin(), record.fields.end(),
                       [](const std::string& field) { return field.empty(); });
}

std::size_t UsedFieldCount(const CsvRecord& record) {
    if (record.droppedText)
        return record.fields.size() + record.droppedFields;
    std::size_t count = record.fields.size();
    while (count > 0 && record.fields[count - 1].empty())
        --count;
    return count;
}

CsvRecords SplitCsvRecords(std::string_view text, char separator, std::size_t maxRecords) {
    return Splitter(separator, maxRecords).Split(text);
}

} // namespace reports
