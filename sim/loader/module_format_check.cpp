// Sections: the formats' first facts; reading fields; messages; ELF; PE; choosing by format.
//
// Index of this file:
// - The formats' first facts
// - Reading fields
// - Messages
// - ELF
// - PE
// - Choosing by format
#include "loader/module_format_check.h"

#include "platform/terminal_text.h"

#include <fmt/format.h>

#include <array>
#include <iterator>
#include <limits>

namespace kadenzo::sim {

namespace {

// ---- The formats' first facts ------------------------------------------------------------------

struct FormatFacts {
    const char* title; // what a module of this format is, for "not a ..."
    const char* magic; // the bytes every file of the format starts with
    std::size_t magicLength;
    const char* notOfKind;  // why a file that lacks the magic is refused
    const char* headerName; // the first header, which holds the magic
    std::size_t headerSize;
};

// Indexed by ModuleFormat.
constexpr FormatFacts formatFacts[] = {
    {"64-bit x86 shared object", "\177ELF", 4, "it is not an ELF file", "ELF header", 64},
    {"64-bit x86 DLL", "MZ", 2, "it is not a Windows module", "DOS header", 64},
};
static_assert(std::size(formatFacts) == static_cast<std::size_t>(ModuleFormat::peDllX86_64) + 1,
              "one entry per module format");

const FormatFacts& factsOf(ModuleFormat format) {
    return formatFacts[static_cast<std::size_t>(format)];
}

// ---- Reading fields ----------------------------------------------------------------------------

using Block = std::vector<unsigned char>;

// A range of bytes in the file.
struct Extent {
    std::uint64_t offset;
    std::uint64_t length;

    // Rationale: hostile headers can hold any offset, so the end saturates instead of wrapping round
    // to a small number that would seem to lie within the file.
    std::uint64_t end() const {
        const std::uint64_t limit = std::numeric_limits<std::uint64_t>::max();
        return length > limit - offset ? limit : offset + length;
    }
    bool within(std::uint64_t fileSize) const { return end() <= fileSize; }
};

std::optional<Block> readBlock(const ByteSource& file, std::uint64_t offset, std::size_t length) {
    Block block(length);
    if (!file.read(offset, block.data(), length)) return std::nullopt;
    return block;
}

// The little-endian unsigned number of WIDTH bytes at AT in the block, which the caller has sized.
std::uint64_t field(const Block& block, std::size_t at, std::size_t width) {
    std::uint64_t value = 0;
    for (std::size_t index = width; index > 0; --index)
        value = value << 8 | block[at + index - 1];
    return value;
}

// A header field that must hold one value, and what the file is when it holds another.
struct FieldExpectation {
    std::size_t offset; // within the block it is read from
    std::size_t width;
    std::uint64_t expected;
    std::string (*whatItIsInstead)(std::uint64_t actual);
};

struct NamedValue {
    std::uint64_t value;
    const char* name;
};

template <std::size_t count> const char* nameOf(const NamedValue (&names)[count], std::uint64_t value) {
    for (const NamedValue& entry : names)
        if (entry.value == value) return entry.name;
    return nullptr;
}

// ---- Messages ----------------------------------------------------------------------------------

const char* const unreadable = "the file cannot be read";

std::string notOfFormat(ModuleFormat format, const std::string& detail) {
    return fmt::format("not a {}: {}", factsOf(format).title, detail);
}

std::string byteCount(std::uint64_t count) {
    return fmt::format("{} byte{}", count, count == 1 ? "" : "s");
}

std::string cutShort(const std::string& part, std::uint64_t end, std::uint64_t fileSize) {
    return fmt::format("the file is cut short: {} ends at byte {} but the file has {}", part, end,
                       byteCount(fileSize));
}

std::string damaged(const char* header, const std::string& detail) {
    return fmt::format("its {} is damaged: {}", header, detail);
}

std::optional<std::string> checkField(const Block& block, const FieldExpectation& expectation,
                                      ModuleFormat format) {
    const std::uint64_t actual = field(block, expectation.offset, expectation.width);
    if (actual == expectation.expected) return std::nullopt;
    return notOfFormat(format, expectation.whatItIsInstead(actual));
}

// The first header: the file must start with the format's magic and hold the whole header.
std::optional<std::string> firstHeaderFault(const ByteSource& file, ModuleFormat format) {
    const FormatFacts& facts = factsOf(format);
    const std::uint64_t size = file.size();
    if (size == 0) return std::string("the file is empty");
    const std::size_t compared =
        size < facts.magicLength ? static_cast<std::size_t>(size) : facts.magicLength;
    const std::optional<Block> start = readBlock(file, 0, compared);
    if (!start) return std::string(unreadable);
    if (std::memcmp(start->data(), facts.magic, compared) != 0) return notOfFormat(format, facts.notOfKind);
    if (size < facts.headerSize)
        return fmt::format("the file is cut short: it has {}, fewer than the {} of its {}", byteCount(size),
                           facts.headerSize, facts.headerName);
    return std::nullopt;
}

// ---- ELF ---------------------------------------------------------------------------------------

namespace elf {

constexpr std::size_t headerSize = 64;
constexpr std::size_t programHeaderSize = 56;
constexpr std::size_t sectionHeaderSize = 64;
constexpr std::uint32_t loadableSegment = 1; // PT_LOAD

constexpr NamedValue machines[] = {{3, "32-bit x86"}, {40, "32-bit ARM"}, {183, "AArch64"}, {243, "RISC-V"}};
static_assert(std::size(machines) == 4);
constexpr NamedValue types[] = {{0, "it has no ELF type"},
                                {1, "it is a relocatable object file, not a linked module"},
                                {2, "it is an executable"},
                                {4, "it is a core dump"}};
static_assert(std::size(types) == 4);

std::string describeClass(std::uint64_t value) {
    return value == 1 ? "it is a 32-bit ELF file" : fmt::format("its ELF class is {}", value);
}
std::string describeByteOrder(std::uint64_t value) {
    return value == 2 ? "it is big-endian" : fmt::format("its ELF byte order is {}", value);
}
std::string describeVersion(std::uint64_t value) {
    return fmt::format("its ELF version is {}", value);
}
std::string describeType(std::uint64_t value) {
    const char* name = nameOf(types, value);
    return name ? name : fmt::format("its ELF type is {}", value);
}
std::string describeMachine(std::uint64_t value) {
    const char* name = nameOf(machines, value);
    return name ? fmt::format("it is built for {}", name)
                : fmt::format("it is built for ELF machine {}", value);
}

// In the order they must be read: the byte order decides how the wider fields read.
constexpr FieldExpectation identity[] = {
    {4, 1, 2, describeClass},    {5, 1, 1, describeByteOrder}, {6, 1, 1, describeVersion},
    {20, 4, 1, describeVersion}, {18, 2, 62, describeMachine}, {16, 2, 3, describeType},
};
static_assert(std::size(identity) == 6);

struct Header {
    std::uint64_t programHeadersAt;
    std::uint64_t sectionHeadersAt;
    std::uint64_t programHeaderSize;
    std::uint64_t programHeaderCount;
    std::uint64_t sectionHeaderSize;
    std::uint64_t sectionHeaderCount;
};

Header readHeader(const Block& block) {
    return Header{field(block, 32, 8), field(block, 40, 8), field(block, 54, 2),
                  field(block, 56, 2), field(block, 58, 2), field(block, 60, 2)};
}

std::optional<std::string> programTableFault(const Header& header, std::uint64_t fileSize) {
    if (header.programHeaderSize != programHeaderSize)
        return damaged("ELF header", fmt::format("it gives program headers {} bytes, not {}",
                                                 header.programHeaderSize, programHeaderSize));
    const Extent programHeaders{header.programHeadersAt, header.programHeaderCount * programHeaderSize};
    if (!programHeaders.within(fileSize))
        return cutShort("its program header table", programHeaders.end(), fileSize);
    return std::nullopt;
}

// The loader reads no section; a table past the end still shows that the file was cut short.
std::optional<std::string> sectionTableFault(const Header& header, std::uint64_t fileSize) {
    if (header.sectionHeadersAt == 0) return std::nullopt;
    if (header.sectionHeaderSize != sectionHeaderSize)
        return damaged("ELF header", fmt::format("it gives section headers {} bytes, not {}",
                                                 header.sectionHeaderSize, sectionHeaderSize));
    // Rationale: a section count of 0 with a table present means the count is kept in the first entry,
    // so at least that entry must be there.
    const std::uint64_t sections = header.sectionHeaderCount == 0 ? 1 : header.sectionHeaderCount;
    const Extent sectionHeaders{header.sectionHeadersAt, sections * sectionHeaderSize};
    if (!sectionHeaders.within(fileSize))
        return cutShort("its section header table", sectionHeaders.end(), fileSize);
    return std::nullopt;
}

// Every loadable segment is mapped from the file, so each one's bytes must all be there. They are
// counted from 1 in the order of the program headers.
std::optional<std::string> segmentFault(const ByteSource& file, const Header& header) {
    const std::optional<Block> table =
        readBlock(file, header.programHeadersAt,
                  static_cast<std::size_t>(header.programHeaderCount) * programHeaderSize);
    if (!table) return std::string(unreadable);
    std::size_t loadable = 0;
    for (std::size_t index = 0; index < header.programHeaderCount; ++index) {
        const std::size_t entry = index * programHeaderSize;
        if (field(*table, entry, 4) != loadableSegment) continue;
        ++loadable;
        const Extent segment{field(*table, entry + 8, 8), field(*table, entry + 32, 8)};
        if (!segment.within(file.size()))
            return cutShort(fmt::format("its loadable segment {}", loadable), segment.end(), file.size());
    }
    if (loadable == 0) return notOfFormat(ModuleFormat::elfSharedObjectX86_64, "it has no loadable segment");
    return std::nullopt;
}

std::optional<std::string> fault(const ByteSource& file) {
    const std::optional<Block> block = readBlock(file, 0, headerSize);
    if (!block) return std::string(unreadable);
    for (const FieldExpectation& expectation : identity)
        if (auto wrong = checkField(*block, expectation, ModuleFormat::elfSharedObjectX86_64)) return wrong;
    const Header header = readHeader(*block);
    if (auto wrong = programTableFault(header, file.size())) return wrong;
    if (auto wrong = segmentFault(file, header)) return wrong;
    return sectionTableFault(header, file.size());
}

} // namespace elf

// ---- PE ----------------------------------------------------------------------------------------

namespace pe {

constexpr std::size_t headerOffsetAt = 0x3c; // e_lfanew in the DOS header
constexpr std::size_t headerSize = 24;       // "PE\0\0" and the file header
constexpr std::size_t sectionEntrySize = 40;
constexpr std::uint64_t dllCharacteristic = 0x2000;
constexpr std::uint64_t executableCharacteristic = 0x0002;

constexpr NamedValue machines[] = {{0x14c, "32-bit x86"}, {0x1c4, "32-bit ARM"}, {0xaa64, "ARM64"}};
static_assert(std::size(machines) == 3);

std::string describeMachine(std::uint64_t value) {
    const char* name = nameOf(machines, value);
    return name ? fmt::format("it is built for {}", name)
                : fmt::format("it is built for machine 0x{:x}", value);
}
std::string describeMagic(std::uint64_t value) {
    return value == 0x10b ? "it is a 32-bit module (PE32)"
                          : fmt::format("its optional header's magic is 0x{:x}", value);
}

constexpr FieldExpectation machine{4, 2, 0x8664, describeMachine};
constexpr FieldExpectation optionalMagic{0, 2, 0x20b, describeMagic};

// A section's 8-byte name, up to its first NUL, shown as every text from a file is.
std::string sectionName(const Block& table, std::size_t entry) {
    std::string name;
    for (std::size_t index = 0; index < 8 && table[entry + index] != 0; ++index)
        name += static_cast<char>(table[entry + index]);
    return platform::terminalText(name);
}

// Every section's raw data is mapped from the file. Sections are counted from 1, as in the format.
std::optional<std::string> sectionFault(const ByteSource& file, std::uint64_t tableAt, std::size_t count) {
    const std::optional<Block> table = readBlock(file, tableAt, count * sectionEntrySize);
    if (!table) return std::string(unreadable);
    for (std::size_t index = 0; index < count; ++index) {
        const std::size_t entry = index * sectionEntrySize;
        const Extent raw{field(*table, entry + 20, 4), field(*table, entry + 16, 4)};
        if (raw.length != 0 && !raw.within(file.size()))
            return cutShort(fmt::format("its section {} ({})", index + 1, sectionName(*table, entry)),
                            raw.end(), file.size());
    }
    return std::nullopt;
}

std::optional<std::string> fault(const ByteSource& file) {
    constexpr ModuleFormat format = ModuleFormat::peDllX86_64;
    const std::uint64_t size = file.size();
    const std::optional<Block> dosHeader = readBlock(file, 0, factsOf(format).headerSize);
    if (!dosHeader) return std::string(unreadable);
    const Extent peHeader{field(*dosHeader, headerOffsetAt, 4), headerSize};
    if (!peHeader.within(size)) return cutShort("its PE header", peHeader.end(), size);
    const std::optional<Block> header = readBlock(file, peHeader.offset, headerSize);
    if (!header) return std::string(unreadable);
    if (std::memcmp(header->data(), "PE\0\0", 4) != 0)
        return notOfFormat(format, "it has no PE signature (it is a DOS program)");
    if (auto wrong = checkField(*header, machine, format)) return wrong;

    const Extent optionalHeader{peHeader.end(), field(*header, 20, 2)};
    if (optionalHeader.length < 2) return damaged("PE header", "it has no optional header");
    if (!optionalHeader.within(size)) return cutShort("its optional header", optionalHeader.end(), size);
    const std::optional<Block> magic = readBlock(file, optionalHeader.offset, 2);
    if (!magic) return std::string(unreadable);
    if (auto wrong = checkField(*magic, optionalMagic, format)) return wrong;

    const std::uint64_t characteristics = field(*header, 22, 2);
    if (!(characteristics & dllCharacteristic))
        return notOfFormat(format, characteristics & executableCharacteristic ? "it is a program, not a DLL"
                                                                              : "it is not a DLL");
    const auto sectionCount = static_cast<std::size_t>(field(*header, 6, 2));
    const Extent sectionTable{optionalHeader.end(), sectionCount * sectionEntrySize};
    if (!sectionTable.within(size)) return cutShort("its section table", sectionTable.end(), size);
    return sectionFault(file, sectionTable.offset, sectionCount);
}

} // namespace pe

} // namespace

// ---- Choosing by format ------------------------------------------------------------------------

std::optional<std::string> findModuleFormatFault(const ByteSource& file, ModuleFormat format) {
    if (auto wrong = firstHeaderFault(file, format)) return wrong;
    return format == ModuleFormat::elfSharedObjectX86_64 ? elf::fault(file) : pe::fault(file);
}

} // namespace kadenzo::sim
