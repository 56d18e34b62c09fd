// Synthetic officer records.
#include "support/officer_files.h"

#include <stdexcept>

#include "common/errors.h"
#include "common/paths.h"
#include "process/process.h"

std::string Bytes(std::initializer_list<unsigned> values) {
    std::string bytes;
    for (unsigned v : values) bytes.push_back(static_cast<char>(v));
    return bytes;
}

std::string RecordBytes(std::int32_t index, std::string_view name, unsigned salt) {
    std::string record(kOfficerRecordSize, '\0');
    for (std::size_t b = 0; b < record.size(); ++b) {
        record[b] = static_cast<char>((static_cast<std::size_t>(index) * 7 + b * 13 + salt) & 0xFF);
    }
    std::string nameBytes(name.substr(0, 12));
    nameBytes.resize(12, '\0');
    record.replace(6, 12, nameBytes);
    return record;
}

std::string NameAt(const std::string& fileBytes, std::int32_t index) {
    return fileBytes.substr(static_cast<std::size_t>(index) * kOfficerRecordSize + 6, 12);
}

std::string RecordAt(const std::string& fileBytes, std::int32_t index) {
    return fileBytes.substr(static_cast<std::size_t>(index) * kOfficerRecordSize, kOfficerRecordSize);
}

std::int32_t OfficerFileOpenCode(const std::string& path, TOfficerFile::TAccess access) {
    TOfficerFile file;
    try {
        file.Open(path, kOfficerRecordSize, access);
    } catch (const EInOutError& error) {
        if (file.IsOpen()) throw std::logic_error("a failed open left " + path + " open");
        return error.ErrorCode();
    }
    return 0;
}

std::string ScenarioName(std::int32_t i) {
    const unsigned low = static_cast<unsigned>(i) & 0x3F;
    switch (i % 4) {
    case 0: return Bytes({0x8E, 0x52, 0x93, 0x63, 0x20, 0x20, 0x20, 0x91, 0xBE, 0x98, 0x40 + low, 0x20});
    case 1: return Bytes({0x8E, 0x52, 0x93, 0x63, 0x91, 0xBE, 0x98, 0x40 + low, 0x20, 0x20, 0x20, 0x20});
    case 2: return Bytes({0x8E, 0x52, 0x93, 0x63, 0x91, 0xBE, 0x98, 0x59, 0x93, 0x40 + low, 0x00, 0x00});
    default: return Bytes({0x41 + (low & 0x0F), 0x42, 0x43, 0x20, 0x20, 0x20, 0x20, 0x44, 0x45, 0x46, 0x47, 0x48});
    }
}

bool SaveNameDiffers(std::int32_t i) { return i % 3 == 0; }

std::string SaveName(std::int32_t i) {
    std::string name = ScenarioName(i);
    // Only the last byte changes, 0x20 against 0x00 among others: raw bytes decide.
    if (SaveNameDiffers(i)) name[11] = static_cast<char>(name[11] == 0x20 ? 0x00 : 0x20);
    return name;
}

std::string OfficerFileBytes(std::int32_t count, const std::function<std::string(std::int32_t)>& nameOf,
                             unsigned salt) {
    std::string bytes;
    for (std::int32_t i = 0; i < count; ++i) bytes += RecordBytes(i, nameOf(i), salt);
    return bytes;
}
