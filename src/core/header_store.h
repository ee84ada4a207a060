#pragma once
// The header data store: the relevés' header data (TURBOVEG number,
// location, date, altitude, ...) kept beside the table in two work files.
//
// The structure file ("hlavicka.stc") names the fields: consecutive pairs of
// free-format items, the field's start column in the record and its name.
// The value file ("hlavicka.exc") holds one fixed-length text record per
// relevé record, each ended by CR LF; record r belongs to relevé record r.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zembu::core {

class Workspace;

struct HeaderField {
    int32_t start = 0;  // column of the record where the field starts, from 1
    std::string name;
    bool operator==(const HeaderField&) const = default;
};

// The field table, loaded by inichlava.
struct HeaderStore {
    static constexpr int MaxFields = 1000;

    std::vector<HeaderField> fields;  // field n (from 1) is fields[n - 1]
    int32_t recordLength = 0;         // bytes of a record without its line end
    int32_t lineEndLength = 2;        // 2 for CR LF, 1 for a file written with LF

    int fieldCount() const { return static_cast<int>(fields.size()); }
    const HeaderField& field(int n) const { return fields[static_cast<size_t>(n - 1)]; }
    // Width of field n: the next field's start minus its own; the last field
    // runs to the end of the record. Never negative.
    int32_t fieldWidth(int n) const;
    // The text of field n in a record (shorter when the record is).
    std::string_view fieldText(std::string_view record, int n) const;
    // The relevé number field: the first whose name contains "Releve number",
    // "Releve Number", "Relev‚ number", "Relevé number" or "abcde"; 0 when none.
    int releveNumberField() const;
    // The first field whose trimmed name equals name (ignoring case); 0 when none.
    int fieldNamed(std::string_view name) const;
    bool empty() const { return fields.empty(); }
};

// True when a field name marks the relevé number field.
bool isReleveNumberFieldName(std::string_view name);

// Loads the field table from a structure file and the record length from the
// first line of a value file; missing files give an empty table / length 0.
HeaderStore loadHeaderStore(const std::filesystem::path& structureFile, const std::filesystem::path& valueFile);

// inichlava: loads the workspace's field table from its header work files.
void inichlava(Workspace& ws);

// Random access to the records of a value file.
class HeaderValueFile {
public:
    HeaderValueFile(const std::filesystem::path& file, const HeaderStore& store);
    ~HeaderValueFile();
    HeaderValueFile(const HeaderValueFile&) = delete;
    HeaderValueFile& operator=(const HeaderValueFile&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    // Number of whole records the file holds.
    int64_t recordCount() const;
    // Record r (from 1), recordLength bytes; nullopt when the file holds no
    // such record.
    std::optional<std::string> record(int64_t r);

private:
    std::FILE* file_ = nullptr;
    int64_t size_ = 0;
    int32_t length_ = 0;
    int32_t stride_ = 0;
};

}  // namespace zembu::core
